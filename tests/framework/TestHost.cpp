#include "TestHost.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

namespace {

// A part of the viewer's window that takes the presses made on it, as the 3D view does.
class AreaWidget : public QWidget
{
public:
    AreaWidget(const char* pName, QWidget* pParent) : QWidget(pParent)
    {
        setObjectName(QLatin1String(pName));
        setMinimumSize(120, 120);
    }
    void mousePressEvent(QMouseEvent* pEvent) override { pEvent->accept(); }
};

} // namespace

TestHost::TestHost()
    : mSettings(std::make_unique<QSettings>(mFolder.filePath(QStringLiteral("store.ini")),
                                            QSettings::IniFormat))
    , mApplication(std::make_unique<zel::kmDMIApplication>())
{
    mApplication->setSettings(mSettings.get());
}

TestHost::~TestHost()
{
    closeMainWindow();
    qDeleteAll(mPanels);
}

zel::kmMainWindow* TestHost::showMainWindow(zel::ZelControlCenter* pControlCenter)
{
    mMainWindow = new zel::kmMainWindow;
    if (!pControlCenter)
        pControlCenter = new zel::ZelControlCenter(mApplication.get());
    auto* central = new QWidget(mMainWindow);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QGridLayout;
    row->setSpacing(0);
    column->addLayout(row, 1);
    auto* primary = new AreaWidget("primaryArea", central);
    auto* primaryLayout = new QHBoxLayout(primary);
    primaryLayout->setContentsMargins(0, 0, 0, 0);
    primaryLayout->setSpacing(0);
    primaryLayout->addWidget(new AreaWidget("view", primary), 3);
    primaryLayout->addWidget(new AreaWidget("overlay", primary), 1);
    auto* secondary = new AreaWidget("secondaryArea", central);
    // As in the viewer, the control center and its pane lie over the primary area's left
    // part; the window keeps the layout's size constraint, so nothing may make it grow.
    row->addWidget(primary, 0, 0, 1, 3);
    row->addWidget(pControlCenter, 0, 0);
    row->addWidget(pControlCenter->settingsWidget(), 0, 1);
    row->setColumnStretch(2, 1);
    row->addWidget(secondary, 0, 3);
    column->addWidget(new AreaWidget("outside", central));
    pControlCenter->raise();
    pControlCenter->settingsWidget()->raise();
    mMainWindow->setCentralWidget(central);
    mMainWindow->setPrimaryWorkArea(primary);
    mMainWindow->setSecondaryWorkArea(secondary);
    mApplication->setMainWindow(mMainWindow);
    mMainWindow->resize(kWindowSize);
    mMainWindow->show();
    mMainWindow->activateWindow();
    if (!QTest::qWaitForWindowActive(mMainWindow))
        qWarning("The main window was not activated");
    return mMainWindow;
}

void TestHost::Activate(QWidget* pWindow)
{
    // What a window manager does for a window that it maps or that is clicked; the offscreen
    // platform of Qt 5 leaves a window shown again inactive.
    pWindow->activateWindow();
    if (!QTest::qWaitFor([pWindow] { return pWindow->isActiveWindow(); }, 500))
        QApplication::setActiveWindow(pWindow);
    if (!pWindow->isActiveWindow())
        qWarning("The window was not activated");
}

QPoint TestHost::PressPoint(const QWidget* pWidget)
{
    // The first point, line by line, where the widget itself and nothing above it is hit.
    const QWidget* window = pWidget->window();
    for (int y = 2; y < pWidget->height(); y += 6) {
        for (int x = 2; x < pWidget->width(); x += 6) {
            const QPoint at = pWidget->mapTo(window, QPoint(x, y));
            if (window->childAt(at) == pWidget)
                return at;
        }
    }
    return pWidget->mapTo(window, pWidget->rect().center());
}

void TestHost::Press(const QWidget* pWidget)
{
    // A window manager gives the focus to the window that is clicked, as after a message box.
    QWidget* window = pWidget->window();
    if (!window->isActiveWindow())
        Activate(window);
    QTest::mouseClick(pWidget->window()->windowHandle(), Qt::LeftButton, {},
                      PressPoint(pWidget));
}

void TestHost::Key(int pKey, Qt::KeyboardModifiers pModifiers)
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

void TestHost::Type(QWidget* pControl, const QString& pText)
{
    auto* editor = pControl->findChild<QLineEdit*>();
    Press(editor ? editor : pControl);
    Key(Qt::Key_A, Qt::ControlModifier);
    if (QWidget* focus = QApplication::focusWidget())
        QTest::keyClicks(focus, pText);
}

void TestHost::Wheel(QWidget* pWidget, int pSteps)
{
    QWidget* window = pWidget->window();
    const QPoint inWindow = pWidget->mapTo(window, pWidget->rect().center());
    QWidget* target = window->childAt(inWindow);
    const QPoint local = target->mapFrom(window, inWindow);
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, 120 * pSteps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(target, &wheel);
}

namespace {

QtMessageHandler gTestMessages = nullptr;

// The offscreen platform tells of every window hint that it cannot pass on to a window manager.
void quietOffscreen(QtMsgType pType, const QMessageLogContext& pContext, const QString& pText)
{
    if (!pText.contains(QLatin1String("propagateSizeHints"))
        && !pText.startsWith(QLatin1String("This plugin does not support")))
        gTestMessages(pType, pContext, pText);
}

} // namespace

void TestHost::QuietOffscreen()
{
    gTestMessages = qInstallMessageHandler(quietOffscreen);
}

void TestHost::ApplyLibraryStyle()
{
    QFile sheet(QStringLiteral(":/css/ViewerApp/resources/css/figura.css"));
    if (!sheet.open(QIODevice::ReadOnly))
        qFatal("The library's style sheet is missing");
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

QByteArray TestHost::storeBytes() const
{
    mSettings->sync();
    QFile file(mSettings->fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton pAnswer)
{
    QObject::connect(&timer, &QTimer::timeout, [this, pAnswer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes.append(box->windowTitle() + QStringLiteral(": ") + box->text());
        lastParent = box->parentWidget();
        if (QAbstractButton* button = box->button(pAnswer))
            TestHost::Press(button);
        else
            box->reject();
    });
    timer.start(10);
}
