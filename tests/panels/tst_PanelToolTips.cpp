#include "PanelFixture.h"

#include "ZelTranslator.h"

using namespace zel;

namespace {

// The numbers of a text as its language writes them, in order ("8 096", "0,01", "3D").
QList<double> Numbers(const QString& pText, const QLocale& pLocale)
{
    static const QRegularExpression number(
        QStringLiteral("[0-9](?:[0-9.,\\x{a0}\\x{202f}]*[0-9])?"));
    QList<double> numbers;
    QRegularExpressionMatchIterator it = number.globalMatch(pText);
    while (it.hasNext()) {
        const QString token = it.next().captured();
        bool ok = false;
        const double value = pLocale.toDouble(token, &ok);
        numbers.append(ok ? value : qQNaN());
    }
    return numbers;
}

// The range that a control accepts, as the numbers that its tool tip must end with.
QList<double> Accepted(const QWidget* pControl)
{
    if (auto* spin = qobject_cast<const QSpinBox*>(pControl))
        return {double(spin->minimum()), double(spin->maximum())};
    if (auto* spin = qobject_cast<const QDoubleSpinBox*>(pControl))
        return {spin->minimum(), spin->maximum()};
    if (auto* combo = qobject_cast<const QComboBox*>(pControl)) {
        // The smallest and the largest size offered.
        QSize smallest;
        QSize largest;
        for (int item = 0; item < combo->count(); ++item) {
            const QSize size = combo->itemData(item).toSize();
            const qint64 area = qint64(size.width()) * size.height();
            if (!smallest.isValid() || area < qint64(smallest.width()) * smallest.height())
                smallest = size;
            if (!largest.isValid() || area > qint64(largest.width()) * largest.height())
                largest = size;
        }
        return {double(smallest.width()), double(smallest.height()), double(largest.width()),
                double(largest.height())};
    }
    return {};
}

} // namespace

// Every range that a tool tip names is the one its control accepts, in each language.
class tst_PanelToolTips : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init() { setUp(); }
    void cleanup()
    {
        ZelTranslator::Remove();
        tearDown();
    }

    void ranges_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "fr", "de"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void ranges()
    {
        QFETCH(QString, language);
        const QLocale locale(language);
        for (const char* kind : {"general", "import", "export"})
            addPanel(QLatin1String(kind))->initializeWidget();

        // Each widget whose tool tip names a range, and the control that the range is of.
        const QHash<QString, QString> controls = {
            {QStringLiteral("nbDecimalsLabel"), QStringLiteral("nbDecimals_spinBox")},
            {QStringLiteral("maxCPU3DLabel"), QStringLiteral("maxCPU3DSpinBox")},
            {QStringLiteral("maxCPURayLabel"), QStringLiteral("maxCPURaySpinBox")},
            {QStringLiteral("maxGPULabel"), QStringLiteral("maxGPUSPinBox")},
            {QStringLiteral("maxTrianglesLabel"), QStringLiteral("maxTrianglesSpinBox")},
            {QStringLiteral("cacheSizeLabel"), QStringLiteral("databaseSpinBox")},
            {QStringLiteral("groupBox_2"), QStringLiteral("faceSagSpin")},
            {QStringLiteral("groupBox_3"), QStringLiteral("faceLengthSpin")},
            {QStringLiteral("groupBox_4"), QStringLiteral("faceAngleSpin")},
            {QStringLiteral("label_13"), QStringLiteral("definitionCombobox")},
            {QStringLiteral("label_8"), QStringLiteral("salientEdgeWidthSpinBox")},
            {QStringLiteral("label_9"), QStringLiteral("silhouetteEdgeWidthSpinBox")},
            {QStringLiteral("label"), QStringLiteral("simplifRatioSpinBox")},
            {QStringLiteral("noSimplifButton"), QStringLiteral("simplifRatioSpinBox")},
        };
        // A range in the source text: "from 0 to 10", "from 320 x 200 to 4096 x 2160".
        static const QRegularExpression range(
            QStringLiteral("from [0-9][0-9.]*( x [0-9]+)? to [0-9]"));

        // The source texts tell which tips name a range, whatever the language.
        std::vector<std::pair<QWidget*, QWidget*>> tipped;
        for (const auto& panel : mPanels) {
            const QList<QWidget*> widgets = panel->findChildren<QWidget*>();
            for (QWidget* widget : widgets) {
                if (range.match(widget->toolTip()).hasMatch()) {
                    const QString name = widget->objectName();
                    tipped.emplace_back(widget,
                                        panel->findChild<QWidget*>(controls.value(name, name)));
                }
            }
        }
        QCOMPARE(ZelTranslator::Install(locale), language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

        QStringList wrong;
        for (const auto& [widget, control] : tipped) {
            const QList<double> accepted = Accepted(control);
            const QList<double> numbers = Numbers(widget->toolTip(), locale);
            if (accepted.isEmpty() || numbers.size() < accepted.size()
                || numbers.mid(numbers.size() - accepted.size()) != accepted) {
                QStringList shown;
                for (double value : accepted)
                    shown.append(locale.toString(value));
                wrong.append(QStringLiteral("%1: \"%2\" but %3 accepts %4")
                                 .arg(widget->objectName(), widget->toolTip(),
                                      control ? control->objectName() : QStringLiteral("nothing"),
                                      shown.join(QStringLiteral(" .. "))));
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        // The labels, group boxes and buttons above with their controls' own tips.
        QCOMPARE(int(tipped.size()), 23);
    }
};

QTEST_MAIN(tst_PanelToolTips)
#include "tst_PanelToolTips.moc"
