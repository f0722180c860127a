#pragma once

#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include <QSpontaneKeyEvent>
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace zeltest {

// Every panel test: no real home folder, no native dialogs, the registered defaults.
inline void InitTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    zel::ZelControlCenter::InitDefaultSettingsValues();
}

// What a panel meets in the host: a real INI store in a temporary folder and the reference
// host's application and main window reading it. Pending modal answers go with the harness.
struct PanelHarness
{
    QTemporaryDir mDir;
    QSettings mSettings;
    zel::kmMainWindow mMainWindow;
    zel::kmDMIApplication mApplication;
    QObject mAnswers;

    // On a store of its own, or on the store at pStore.
    explicit PanelHarness(const QString& pStore = QString())
        : mSettings(pStore.isEmpty() ? mDir.filePath(QStringLiteral("settings.ini")) : pStore,
                    QSettings::IniFormat)
    {
        mApplication.setSettings(&mSettings);
        mApplication.setMainWindow(&mMainWindow);
    }
    ~PanelHarness() { mDir.setAutoRemove(!QTest::currentTestFailed()); }

    // Runs the start-up check over the store, as the host does before any panel sees it.
    bool checkStore()
    {
        QString message;
        if (mDir.isValid() && zel::ZelControlCenter::EnsureSettings(mSettings, message))
            return true;
        qWarning("start-up check failed: %s", qPrintable(message));
        return false;
    }

    // A panel of type P as the hosts make it, loaded from the store; shown if given a size.
    template <typename P>
    std::unique_ptr<P> panel(const QSize& pSize = QSize())
    {
        auto panel = std::make_unique<P>(&mApplication, mSettings);
        panel->initializeWidget();
        if (pSize.isValid()) {
            panel->resize(pSize);
            panel->show();
            if (!QTest::qWaitForWindowExposed(panel.get()))
                qWarning("panel not exposed");
        }
        return panel;
    }

    // The value as another reader finds it on disk.
    QString stored(const QString& pKey)
    {
        mSettings.sync();
        return QSettings(mSettings.fileName(), QSettings::IniFormat).value(pKey).toString();
    }
};

// The named child, or the test stops here: a renamed widget is a broken form.
template <typename T>
T* Child(const QObject* pParent, const char* pName)
{
    T* child = pParent->findChild<T*>(QLatin1String(pName));
    if (!child)
        qFatal("no child %s", pName);
    return child;
}

// A person's click at the control's place in its window, scrolled into view first; check
// boxes and radio buttons are hit on their indicator.
inline void Press(QWidget* pControl)
{
    for (QWidget* owner = pControl->parentWidget(); owner; owner = owner->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(owner))
            area->ensureWidgetVisible(pControl);
    }
    QWidget* window = pControl->window();
    const bool indicator = qobject_cast<QCheckBox*>(pControl)
                           || qobject_cast<QRadioButton*>(pControl);
    const QPoint local = indicator ? QPoint(4, pControl->height() / 2)
                                   : pControl->rect().center();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      pControl->mapTo(window, local));
}

// A person's entry in a line edit or spin box: clicked into, all selected, typed, Return.
inline void Type(QWidget* pControl, const QString& pText)
{
    Press(pControl);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), pText);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// A person's colour in the colour dialog: typed into its HTML field and, when the dialog
// shows one, its alpha field. Tab leaves each field, so that the dialog's default button is
// not pressed on the way.
inline void EnterColor(QWidget* pDialog, const QColor& pColor)
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
        Press(pField);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), pText);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    };
    QWidget* html = field("&HTML:");
    if (!html)
        qFatal("the colour dialog shows no HTML field");
    enter(html, pColor.name(QColor::HexRgb));
    if (QWidget* alpha = field("A&lpha channel:"))
        enter(alpha, QString::number(pColor.alpha()));
}

// A person's step up in a spin box: clicked into, then the Up key.
inline void StepUp(QWidget* pSpinBox)
{
    Press(pSpinBox);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
}

// Wheel notches over the control, given to its window as the windowing system gives them, so
// that the window finds the widget under the pointer and the wheel may move the focus.
inline void Wheel(QWidget* pControl, int pSteps)
{
    QWidget* window = pControl->window();
    const QPointF inWindow = pControl->mapTo(window, pControl->rect().center());
    QWheelEvent wheel(inWindow, pControl->mapToGlobal(pControl->rect().center()), QPoint(),
                      QPoint(0, 120 * pSteps), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(window->windowHandle(), &wheel);
}

// Opens the combo box with the mouse and picks the item at pIndex with the keys.
inline void Choose(QComboBox* pCombo, int pIndex)
{
    Press(pCombo);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    for (int step = 0; step < pIndex; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

// Answers the next visible modal widget of type T while the code under test sits in exec().
// The widget may take a few event loop turns to show, so the timer keeps looking.
template <typename T>
void AnswerModal(QObject* pOwner, const std::function<void(T*)>& pAnswer)
{
    auto* timer = new QTimer(pOwner);
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pAnswer] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        pAnswer(modal);
    });
    timer->start();
}

} // namespace zeltest
