#include "zelTextLabel.h"

#include <QApplication>
#include <QTest>

#include <functional>

using namespace zel;

using LabelChange = std::function<void(QLabel&)>;
Q_DECLARE_METATYPE(LabelChange)

namespace {

const char kText[] = "A text long enough to wrap over several lines at the widths that it is "
                     "asked about, as the summaries of the settings panels do.";
const char kRichText[] = "<p>A text with a <a href=\"https://example.invalid\">link</a> that "
                         "wraps over several lines, as the privacy panel's reports do.</p>";
const int kWidths[] = {60, 120, 200, 420};

// The label's heights at the widths that the rows ask about, once polished.
QList<int> Heights(QLabel& pLabel)
{
    pLabel.ensurePolished();
    QList<int> heights;
    for (const int width : kWidths)
        heights.append(pLabel.heightForWidth(width));
    return heights;
}

void Configure(QLabel& pLabel, const QString& pText)
{
    pLabel.setWordWrap(true);
    pLabel.setText(pText);
}

} // namespace

// The label remembers the heights of its text, and forgets them when anything that sets the
// text's lines changes: it answers as a plain label would, before and after each change.
class tst_zelTextLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsEveryChange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LabelChange>("change");
        using Change = LabelChange;
        const QString plain = QString::fromLatin1(kText);
        QTest::newRow("text") << plain << Change([](QLabel& pLabel) {
            pLabel.setText(QString::fromLatin1(kText).repeated(2));
        });
        QTest::newRow("font") << plain << Change([](QLabel& pLabel) {
            QFont font = pLabel.font();
            font.setPointSize(font.pointSize() * 2);
            pLabel.setFont(font);
        });
        QTest::newRow("style sheet") << plain << Change([](QLabel& pLabel) {
            pLabel.setStyleSheet(QStringLiteral("QLabel { font-size: 30px; padding: 9px; }"));
        });
        QTest::newRow("margin") << plain << Change([](QLabel& pLabel) { pLabel.setMargin(20); });
        QTest::newRow("indent") << plain << Change([](QLabel& pLabel) { pLabel.setIndent(40); });
        QTest::newRow("contents margins") << plain << Change([](QLabel& pLabel) {
            pLabel.setContentsMargins(30, 0, 30, 10);
        });
        QTest::newRow("wrapping off") << plain
                                      << Change([](QLabel& pLabel) { pLabel.setWordWrap(false); });
        QTest::newRow("rich text shown as plain") << QString::fromLatin1(kRichText)
                                                  << Change([](QLabel& pLabel) {
                                                         pLabel.setTextFormat(Qt::PlainText);
                                                     });
    }

    void followsEveryChange()
    {
        QFETCH(QString, text);
        QFETCH(LabelChange, change);
        zelTextLabel label;
        QLabel plain;
        Configure(label, text);
        Configure(plain, text);
        const QList<int> before = Heights(label);
        QCOMPARE(before, Heights(plain));

        change(label);
        change(plain);
        const QList<int> after = Heights(label);
        QCOMPARE(after, Heights(plain));
        // Else the row could not tell a stale height from a fresh one.
        QVERIFY(after != before);
    }
};

QTEST_MAIN(tst_zelTextLabel)
#include "tst_zelTextLabel.moc"
