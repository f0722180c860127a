// The reference host: the application object and what it hands out, folders and UTF-8
// paths, colours as text.

#include "ColorDialog.h"
#include "ModalAnswerer.h"
#include "ZelDirectory.h"
#include "kmDMIApplication.h"
#include "kmDMRenderer.h"
#include "kmDirUtils.h"
#include "kmMainWindow.h"
#include "zelFormat.h"
#include "zelRegistryTestSupport.h"

#include <QtTest>
#include <QtWidgets>

using namespace zel;
using km::kmDirUtils;
using Wm4::ColorRGBA;

class tst_refhost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Each application object has its own parts; one set and then destroyed reads as null.
    void replaceableParts()
    {
        kmDMIApplication app;
        const kmDMIApplication other;
        QVERIFY(app.getRenderer() && app.getDMManager() && app.getNavigationManager());
        QVERIFY(app.getRenderer() != other.getRenderer() && !app.getMainWindow());
        auto* renderer = new kmDMRenderer;
        auto* window = new kmMainWindow;
        app.setRenderer(renderer);
        app.setMainWindow(window);
        QVERIFY(app.getRenderer() == renderer && app.getMainWindow() == window);
        delete renderer;
        delete window;
        QVERIFY(!app.getRenderer() && !app.getMainWindow());
    }

    // Each of the four signals fires only when its sub-record really changes.
    void exportRecordAnnouncesRealChanges()
    {
        kmDMIApplication app;
        FiguraExportSettings& record = app.grabFiguraExportSettings();
        QVector<int> counts(4);
        connect(&record, &FiguraExportSettings::imageExportSettingsChanged, [&] { ++counts[0]; });
        connect(&record, &FiguraExportSettings::svgExportSettingsChanged, [&] { ++counts[1]; });
        connect(&record, &FiguraExportSettings::bomExportSettingsChanged, [&] { ++counts[2]; });
        connect(&record, &FiguraExportSettings::geometryExportSettingsChanged,
                [&] { ++counts[3]; });
        ImageExportSettings image = record.getImageExportSettings();
        SVGExportSettings svg = record.getSVGExportSettings();
        BOMExportSettings bom = record.getBOMExportSettings();
        GeometryExportSettings geometry = record.getGeometryExportSettings();
        const auto setAll = [&] {
            record.setImageExportSettings(image);
            record.setSVGExportSettings(svg);
            record.setBOMExportSettings(bom);
            record.setGeometryExportSettings(geometry);
        };
        setAll();
        QCOMPARE(counts, QVector<int>({0, 0, 0, 0}));
        svg.salientEdgeWidth = 0.25f;
        setAll();
        setAll();
        QCOMPARE(counts, QVector<int>({0, 1, 0, 0}));
        image.superSampling = 2;
        bom.headers << QStringLiteral("Name");
        geometry.simplification = -50.0f;
        setAll();
        QCOMPARE(counts, QVector<int>({1, 1, 1, 1}));
    }

    // The activity report is real JSON, its events timed from the session start.
    void activityReportIsJson()
    {
        kmDMIApplication app;
        const QString detail = QString::fromUtf8("unité \"cm\"");
        app.editActivityReport().addEvent(QStringLiteral("settings"), detail);
        const QJsonObject json = QJsonDocument::fromJson(
            QByteArray::fromStdString(app.editActivityReport().toJson())).object();
        QCOMPARE(json.value("eventCount").toInt(), 1);
        const QJsonObject event = json.value("events").toArray().at(0).toObject();
        QCOMPARE(event.value("detail").toString(), detail);
        const auto time = [](const QJsonValue& pText) {
            return QDateTime::fromString(pText.toString(), Qt::ISODateWithMs);
        };
        QVERIFY(time(json.value("sessionStart")).isValid());
        QVERIFY(time(event.value("time")) >= time(json.value("sessionStart")));
    }

    // TMPDIR's trailing "/" is dropped; the application name is UTF-8.
    void standardFolders()
    {
        const zeltest::RedirectedHome home;
        qputenv("TMPDIR", QFile::encodeName(home.folder("TMPDIR") + QLatin1Char('/')));
        QCOMPARE(QString::fromStdString(ZelDirectory::GetTmpFolder()), home.folder("TMPDIR"));
        QCoreApplication::setApplicationName(QString::fromUtf8("Zél viewer"));
        QCOMPARE(ZelDirectory::GetApplicationName(), std::string("Zél viewer"));
    }

    // The folder part of a path, with either separator; a file at the root lies in "/".
    void extractFolder()
    {
        const char* const cases[][2] = {
            {"/var/log/app.txt", "/var/log"}, {"C:\\Users\\me\\log.txt", "C:\\Users\\me"},
            {"C:/Users\\me/log.txt", "C:/Users\\me"}, {"/var/log/", "/var/log"},
            {"/log.txt", "/"}, {"log.txt", ""}, {"", ""}, {"/dé/é.txt", "/dé"}};
        for (const auto& path : cases)
            QCOMPARE(QString::fromStdString(kmDirUtils::ExtractFolder(path[0])),
                     QString::fromUtf8(path[1]));
    }

    // Making a folder that exists is a success; over a plain file it fails, even for root.
    void makeFolders()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const auto path = [&root](const char* pName) {
            return root.filePath(QString::fromUtf8(pName)).toStdString();
        };
        QVERIFY(QFile(root.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly));
        for (int round = 0; round < 2; ++round)
            QVERIFY(kmDirUtils::MkpathUtf8(path("a/bé/c")));
        QVERIFY(kmDirUtils::DirExistsUtf8(path("a/bé/c")));
        QVERIFY(QFileInfo(root.filePath(QString::fromUtf8("a/bé/c"))).isDir());
        for (const char* name : {"plain/sub", "plain"})
            QVERIFY2(!kmDirUtils::MkpathUtf8(path(name)), name);
        for (const char* name : {"plain", "missing"})
            QVERIFY2(!kmDirUtils::DirExistsUtf8(path(name)), name);
        QVERIFY(!kmDirUtils::MkpathUtf8(std::string()) && !kmDirUtils::DirExistsUtf8({}));
        QVERIFY(QFileInfo(root.filePath(QStringLiteral("plain"))).isFile());
    }

    // Upper case, each channel rounded and clamped to a byte; six or eight hex digits after
    // "#" read back exactly, anything else as opaque black.
    void colors()
    {
        const auto text = [](const ColorRGBA& pColor) {
            return QString::fromStdString(ColorToString(pColor));
        };
        const auto read = [&text](const char* pText) { return text(ColorFromString(pText)); };
        QCOMPARE(text(ColorRGBA(0.5f, 0.1f, 0.999f, 1.0f)), QStringLiteral("#FF801AFF"));
        QCOMPARE(text(ColorRGBA(2.0f, -1.0f, 0.5f, 128 / 255.0f)), QStringLiteral("#80FF0080"));
        QCOMPARE(read("#FFC0C0C0"), QStringLiteral("#FFC0C0C0"));
        QCOMPARE(read("#c0c0c0"), QStringLiteral("#FFC0C0C0"));
        QCOMPARE(read("#80ff0a0b"), QStringLiteral("#80FF0A0B"));
        for (const char* bad :
             {"", "#", "#FFF", "#C0C0C0C", "#FFC0C0C0FF", "FFC0C0C0", "#GG0000", "red"})
            QVERIFY2(read(bad) == QLatin1String("#FF000000"), bad);
    }

    // OK on the colour offered gives it back whole, alpha included, whether or not the
    // dialog offers the alpha channel.
    void colorDialogKeepsAlpha_data()
    {
        QTest::addColumn<bool>("showAlpha");
        QTest::addRow("alpha channel shown") << true;
        QTest::addRow("alpha channel hidden") << false;
    }

    void colorDialogKeepsAlpha()
    {
        QFETCH(bool, showAlpha);
        const QColor translucent(18, 38, 170, 64);
        QColor offered;
        zeltest::AnswerModal<QColorDialog>(this, [&offered](QColorDialog* pDialog) {
            offered = pDialog->currentColor();
            QWidget* ok = pDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QTest::mouseClick(pDialog->windowHandle(), Qt::LeftButton, {},
                              ok->mapTo(pDialog, ok->rect().center()));
        });
        const QColor chosen = km::ColorDialog::GetColor(translucent, showAlpha, nullptr);
        QCOMPARE(chosen, translucent);
        QCOMPARE(offered.alpha(), showAlpha ? 64 : 255);
    }
};

QTEST_MAIN(tst_refhost)
#include "tst_refhost.moc"
