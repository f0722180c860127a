#include "ProductStructureWidget.h"
#include "SampleAssembly.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>

using namespace zel;

class tst_ProductStructureWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void cleanup()
    {
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void listsInstancesWithTheirAttributes()
    {
        const SampleAssembly assembly = SampleAssembly::Create();
        ProductStructureWidget widget;
        widget.setAssembly(&assembly);
        QTreeWidget* tree = widget.tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(ProductStructureWidget::NameColumn), assembly.name());
        QVERIFY(root->isExpanded());
        QCOMPARE(root->childCount(), assembly.instances().size());
        for (int i = 0; i < root->childCount(); ++i) {
            const SampleAssembly::Component& component =
                assembly.components()[assembly.instances()[i].component];
            QTreeWidgetItem* item = root->child(i);
            QCOMPARE(item->text(ProductStructureWidget::NameColumn), assembly.instances()[i].name);
            QCOMPARE(item->text(ProductStructureWidget::ComponentColumn), component.name);
            QCOMPARE(item->text(ProductStructureWidget::MaterialColumn), component.material);
            QCOMPARE(item->text(ProductStructureWidget::PartNumberColumn), component.partNumber);
            QVERIFY(item->text(ProductStructureWidget::MassColumn).endsWith(QLatin1String(" kg")));
        }
        QCOMPARE(root->child(0)->text(ProductStructureWidget::MassColumn),
                 QStringLiteral("0.432 kg"));
    }

    void namingPolicy_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<QString>("name");
        QTest::addRow("instance") << 0 << QStringLiteral("Bolt.2");
        QTest::addRow("component") << 1 << QStringLiteral("Bolt");
        QTest::addRow("both") << 2 << QStringLiteral("Bolt (Bolt.2)");
        QTest::addRow("unknown reads as instance") << 5 << QStringLiteral("Bolt.2");
    }

    void namingPolicy()
    {
        QFETCH(int, policy);
        QFETCH(QString, name);
        const SampleAssembly assembly = SampleAssembly::Create();
        ProductStructureWidget widget;
        widget.setAssembly(&assembly);
        widget.setNamingPolicy(policy);
        QCOMPARE(widget.namingPolicy(), policy == 5 ? 0 : policy);
        // The seventh instance of the sample is the second bolt.
        QTreeWidgetItem* bolt = widget.tree()->topLevelItem(0)->child(6);
        QCOMPARE(bolt->text(ProductStructureWidget::NameColumn), name);
        QCOMPARE(bolt->text(ProductStructureWidget::PartNumberColumn), QStringLiteral("VT-1005"));
    }
};

QTEST_MAIN(tst_ProductStructureWidget)
#include "tst_ProductStructureWidget.moc"
