#include "zelPaneContent.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QVBoxLayout>

using namespace zel;

namespace {

const int kPageWidth = 300;

// Records the widths that its height is asked at.
class WidthsLabel : public QLabel
{
public:
    using QLabel::QLabel;
    mutable QSet<int> mWidths;

    int heightForWidth(int pWidth) const override
    {
        mWidths.insert(pWidth);
        return QLabel::heightForWidth(pWidth);
    }
};

} // namespace

// A page kept at one width in a scroll area that shows its scroll bar when needed: however
// the scroll area asks, the texts on the page are measured at the one width they have.
class tst_zelPaneContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void measuresItsTextsAtTheirWidth()
    {
        QScrollArea area;
        area.setWidgetResizable(true);
        area.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        auto* page = new zelPaneContent;
        page->setFixedWidth(kPageWidth);
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* label = new WidthsLabel(QStringLiteral("A text that wraps. ").repeated(60));
        label->setWordWrap(true);
        layout->addWidget(label);
        area.setWidget(page);
        // Taking the page, the scroll area fits it to its widest line once.
        label->mWidths.clear();
        // Shorter than the page's texts: the scroll bar is needed.
        area.resize(kPageWidth + 40, 120);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // Made taller, as a window is: the scroll area works out again whether its bar fits.
        area.resize(kPageWidth + 40, 160);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        QVERIFY(area.verticalScrollBar()->isVisible());
        QCOMPARE(label->width(), kPageWidth);
        // Never at a width that the scroll bar would take from the page (Qt 5 asks at none).
        for (const int width : std::as_const(label->mWidths))
            QVERIFY2(width >= kPageWidth, qPrintable(QString::number(width)));
    }
};

QTEST_MAIN(tst_zelPaneContent)
#include "tst_zelPaneContent.moc"
