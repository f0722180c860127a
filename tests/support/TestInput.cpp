#include "TestInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace zeltest {

void Activate(QWidget* pWindow)
{
    // What a window manager does for a window that it maps or that is clicked; the offscreen
    // platform of Qt 5 leaves a window shown again inactive.
    pWindow->activateWindow();
    if (!QTest::qWaitFor([pWindow] { return pWindow->isActiveWindow(); }, 500))
        QApplication::setActiveWindow(pWindow);
    if (!pWindow->isActiveWindow())
        qWarning("The window was not activated");
}

QPoint PressPoint(const QWidget* pControl)
{
    const QWidget* window = pControl->window();
    const bool indicator = qobject_cast<const QCheckBox*>(pControl)
                           || qobject_cast<const QRadioButton*>(pControl);
    const QPoint preferred = pControl->mapTo(
        window, indicator ? QPoint(4, pControl->height() / 2) : pControl->rect().center());
    if (indicator || window->childAt(preferred) == pControl)
        return preferred;
    // Line by line, the first point where the control itself and nothing above it is hit.
    for (int y = 2; y < pControl->height(); y += 6) {
        for (int x = 2; x < pControl->width(); x += 6) {
            const QPoint at = pControl->mapTo(window, QPoint(x, y));
            if (window->childAt(at) == pControl)
                return at;
        }
    }
    return preferred;
}

void Press(const QWidget* pControl)
{
    // A window manager gives the focus to the window that is clicked, as after a message box;
    // the focus that comes back may scroll a pane, so the control is brought into view after.
    QWidget* window = pControl->window();
    if (!window->isActiveWindow() && window != QApplication::activePopupWidget())
        Activate(window);
    for (QWidget* owner = pControl->parentWidget(); owner; owner = owner->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(owner))
            area->ensureWidgetVisible(const_cast<QWidget*>(pControl));
    }
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, PressPoint(pControl));
}

void Key(int pKey, Qt::KeyboardModifiers pModifiers)
{
    // As the platform delivers them: to the focused widget, else to the active window.
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        QFAIL("no window takes the keys");
    else
        QTest::keyClick(target, Qt::Key(pKey), pModifiers);
}

void Type(QWidget* pControl, const QString& pText)
{
    auto* editor = pControl->findChild<QLineEdit*>();
    Press(editor ? editor : pControl);
    Key(Qt::Key_A, Qt::ControlModifier);
    if (QWidget* focus = QApplication::focusWidget())
        QTest::keyClicks(focus, pText);
}

void Enter(QWidget* pControl, const QString& pText)
{
    Type(pControl, pText);
    Key(Qt::Key_Return);
}

void StepUp(QWidget* pSpinBox)
{
    Press(pSpinBox);
    Key(Qt::Key_Up);
}

void Wheel(QWidget* pControl, int pSteps)
{
    QWidget* window = pControl->window();
    const QPointF inWindow = pControl->mapTo(window, pControl->rect().center());
    QWheelEvent wheel(inWindow, pControl->mapToGlobal(pControl->rect().center()), QPoint(),
                      QPoint(0, 120 * pSteps), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(window->windowHandle(), &wheel);
}

void Choose(QComboBox* pCombo, int pIndex)
{
    Press(pCombo);
    QTRY_VERIFY(QApplication::activePopupWidget());
    Key(Qt::Key_Home);
    for (int step = 0; step < pIndex; ++step)
        Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void EnterColor(QWidget* pDialog, const QColor& pColor)
{
    const auto field = [pDialog](const char* pLabel) -> QWidget* {
        const QList<QLabel*> labels = pDialog->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label->isVisible() && label->text() == QLatin1String(pLabel))
                return label->buddy();
        }
        return nullptr;
    };
    const auto enter = [](QWidget* pField, const QString& pText) {
        Type(pField, pText);
        Key(Qt::Key_Tab);
    };
    QWidget* html = field("&HTML:");
    if (!html)
        qFatal("the colour dialog shows no HTML field");
    enter(html, pColor.name(QColor::HexRgb));
    if (QWidget* alpha = field("A&lpha channel:"))
        enter(alpha, QString::number(pColor.alpha()));
}

} // namespace zeltest
