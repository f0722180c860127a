#include "ImportModel.h"

#include <QtTest>

#include <functional>
#include <limits>

using zel::ImportModel;

namespace {
const double kNan = std::numeric_limits<double>::quiet_NaN();
}

Q_DECLARE_METATYPE(std::function<void(ImportModel&)>)

class tst_ImportModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void differsFrom_data();
    void differsFrom();
};

using Edit = std::function<void(ImportModel&)>;

void tst_ImportModel::differsFrom_data()
{
    QTest::addColumn<Edit>("editLeft");
    QTest::addColumn<Edit>("editRight");
    QTest::addColumn<bool>("differs");

    const Edit none = [](ImportModel&) {};
    QTest::addRow("equal") << none << none << false;
    QTest::addRow("loadHiddenObjects")
        << none << Edit([](ImportModel& m) { m.loadHiddenObjects = true; }) << true;
    QTest::addRow("loadAnnotations")
        << none << Edit([](ImportModel& m) { m.loadAnnotations = true; }) << true;
    QTest::addRow("computeFaceContour")
        << none << Edit([](ImportModel& m) { m.computeFaceContour = true; }) << true;
    QTest::addRow("qualitySet")
        << none << Edit([](ImportModel& m) { m.qualitySet = true; }) << true;
    QTest::addRow("high quality ignored while unset")
        << none << Edit([](ImportModel& m) { m.isHighQuality = true; }) << false;
    QTest::addRow("high quality compared while set")
        << Edit([](ImportModel& m) { m.qualitySet = true; })
        << Edit([](ImportModel& m) { m.qualitySet = m.isHighQuality = true; }) << true;
    QTest::addRow("sag ignored while unset")
        << none << Edit([](ImportModel& m) { m.maxFaceSag = 3.5; }) << false;
    QTest::addRow("sag compared while set")
        << Edit([](ImportModel& m) { m.maxFaceSagSet = true; })
        << Edit([](ImportModel& m) { m.maxFaceSagSet = true; m.maxFaceSag = 3.5; }) << true;
    QTest::addRow("sag flag alone")
        << none << Edit([](ImportModel& m) { m.maxFaceSagSet = true; }) << true;
    QTest::addRow("length ignored while unset")
        << none << Edit([](ImportModel& m) { m.maxFaceLength = 7.0; }) << false;
    QTest::addRow("length compared while set")
        << Edit([](ImportModel& m) { m.maxFaceLengthSet = true; })
        << Edit([](ImportModel& m) { m.maxFaceLengthSet = true; m.maxFaceLength = 7.0; })
        << true;
    QTest::addRow("angle ignored while unset")
        << none << Edit([](ImportModel& m) { m.maxFaceAngle = 90; }) << false;
    QTest::addRow("angle compared while set")
        << Edit([](ImportModel& m) { m.maxFaceAngleSet = true; })
        << Edit([](ImportModel& m) { m.maxFaceAngleSet = true; m.maxFaceAngle = 90; }) << true;
    QTest::addRow("nan sag while set")
        << Edit([](ImportModel& m) { m.maxFaceSagSet = true; m.maxFaceSag = kNan; })
        << Edit([](ImportModel& m) { m.maxFaceSagSet = true; m.maxFaceSag = kNan; }) << true;
    QTest::addRow("nan length while set")
        << Edit([](ImportModel& m) { m.maxFaceLengthSet = true; })
        << Edit([](ImportModel& m) { m.maxFaceLengthSet = true; m.maxFaceLength = kNan; })
        << true;
    QTest::addRow("nan sag while unset")
        << none << Edit([](ImportModel& m) { m.maxFaceSag = kNan; }) << false;
}

void tst_ImportModel::differsFrom()
{
    QFETCH(Edit, editLeft);
    QFETCH(Edit, editRight);
    QFETCH(bool, differs);

    ImportModel left;
    ImportModel right;
    editLeft(left);
    editRight(right);
    QCOMPARE(left.differsFrom(right), differs);
    QCOMPARE(right.differsFrom(left), differs);
}

QTEST_MAIN(tst_ImportModel)

#include "tst_ImportModel.moc"
