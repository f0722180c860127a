#include "SampleAssembly.h"

#include <QCoreApplication>

namespace zel {

namespace {

const char kName[] = "Name";
const char kMaterial[] = "Material";
const char kMass[] = "Mass";
const char kPartNumber[] = "Part number";
const char kInstanceName[] = "Instance name";

const float kPlateTop = 10.0f;
const float kShaftHeight = 45.0f;
const float kShaftLength = 150.0f;
const float kBlockOffset = 50.0f;

// Cubic millimetres times grams per cubic centimetre, in kilograms.
const double kKgPerMm3GramPerCm3 = 1e-6;

QMatrix4x4 at(float pX, float pY, float pZ)
{
    QMatrix4x4 matrix;
    matrix.translate(pX, pY, pZ);
    return matrix;
}

// Components are modelled along +Z; this turns them onto the shaft's axis, +X.
QMatrix4x4 alongX(float pX, float pY, float pZ)
{
    QMatrix4x4 matrix = at(pX, pY, pZ);
    matrix.rotate(90.0f, 0.0f, 1.0f, 0.0f);
    return matrix;
}

TriangleMesh wheelMesh()
{
    TriangleMesh wheel = TriangleMesh::Torus(26.0f, 6.0f, 48, 16);
    wheel.append(TriangleMesh::Cylinder(10.0f, 16.0f, 24), at(0, 0, -8.0f));
    const TriangleMesh spoke =
        TriangleMesh::Box(QVector3D(10.0f, -3.0f, -2.0f), QVector3D(20.0f, 3.0f, 2.0f), 1);
    for (int k = 0; k < 4; ++k) {
        QMatrix4x4 turn;
        turn.rotate(90.0f * k, 0.0f, 0.0f, 1.0f);
        wheel.append(spoke, turn);
    }
    return wheel;
}

TriangleMesh boltMesh()
{
    TriangleMesh bolt = TriangleMesh::Cylinder(7.0f, 5.0f, 6);
    bolt.append(TriangleMesh::Cylinder(4.0f, 14.0f, 16), at(0, 0, -14.0f));
    return bolt;
}

} // namespace

SampleAssembly SampleAssembly::Create()
{
    SampleAssembly assembly;
    assembly.mName = tr("Sample assembly");

    const int plate = assembly.addComponent(
        {tr("Base plate"), tr("Aluminium 6061"), QStringLiteral("VT-1001"), 2.70,
         QColor(176, 190, 205),
         TriangleMesh::Box(QVector3D(-80, -50, 0), QVector3D(80, 50, kPlateTop), 6)});
    const int block = assembly.addComponent(
        {tr("Bearing block"), tr("Steel S235"), QStringLiteral("VT-1002"), 7.85,
         QColor(96, 122, 160),
         TriangleMesh::Box(QVector3D(-10, -20, 0), QVector3D(10, 20, 50), 4)});
    const int shaft = assembly.addComponent(
        {tr("Shaft"), tr("Steel C45"), QStringLiteral("VT-1003"), 7.85, QColor(205, 205, 210),
         TriangleMesh::Cylinder(6.0f, kShaftLength, 32)});
    assembly.mMeasuredComponent = shaft;
    const int wheel = assembly.addComponent({tr("Wheel"), tr("Polyamide PA6"),
                                             QStringLiteral("VT-1004"), 1.14,
                                             QColor(230, 140, 40), wheelMesh()});
    const int bolt = assembly.addComponent({tr("Bolt"), tr("Steel 8.8"),
                                            QStringLiteral("VT-1005"), 7.85,
                                            QColor(80, 80, 88), boltMesh()});

    assembly.addInstance({tr("Base plate.1"), plate, at(0, 0, 0)});
    assembly.addInstance({tr("Bearing block.1"), block, at(-kBlockOffset, 0, kPlateTop)});
    assembly.addInstance({tr("Bearing block.2"), block, at(kBlockOffset, 0, kPlateTop)});
    assembly.addInstance(
        {tr("Shaft.1"), shaft, alongX(-kShaftLength / 2.0f, 0, kShaftHeight)});
    assembly.addInstance({tr("Wheel.1"), wheel, alongX(0, 0, kShaftHeight)});
    const float corners[4][2] = {{-70, -40}, {70, -40}, {70, 40}, {-70, 40}};
    for (int k = 0; k < 4; ++k) {
        assembly.addInstance({tr("Bolt.%1").arg(k + 1), bolt,
                              at(corners[k][0], corners[k][1], kPlateTop)});
    }
    return assembly;
}

int SampleAssembly::addComponent(const Component& pComponent)
{
    mComponents.append(pComponent);
    return mComponents.size() - 1;
}

void SampleAssembly::addInstance(const Instance& pInstance)
{
    mInstances.append(pInstance);
}

QVector<TriangleMesh> SampleAssembly::instanceMeshes() const
{
    QVector<TriangleMesh> meshes;
    for (const Instance& instance : mInstances)
        meshes.append(mComponents[instance.component].mesh);
    return meshes;
}

quint64 SampleAssembly::triangleCount() const
{
    quint64 count = 0;
    for (const Instance& instance : mInstances)
        count += quint64(mComponents[instance.component].mesh.triangleCount());
    return count;
}

double SampleAssembly::componentMassKg(int pComponent) const
{
    const Component& component = mComponents[pComponent];
    return component.mesh.volume() * component.density * kKgPerMm3GramPerCm3;
}

double SampleAssembly::measuredLength() const
{
    if (mMeasuredComponent < 0)
        return 0.0;
    // Components are modelled along +Z and placements do not stretch them.
    QVector3D min;
    QVector3D max;
    mComponents[mMeasuredComponent].mesh.boundingBox(min, max);
    return double(max.z() - min.z());
}

QStringList SampleAssembly::ComponentAttributeNames()
{
    return {QLatin1String(kName), QLatin1String(kMaterial), QLatin1String(kMass),
            QLatin1String(kPartNumber)};
}

QStringList SampleAssembly::InstanceAttributeNames()
{
    return {QLatin1String(kInstanceName)};
}

QVariant SampleAssembly::componentAttribute(int pComponent, const QString& pAttribute) const
{
    const Component& component = mComponents[pComponent];
    if (pAttribute == QLatin1String(kName))
        return component.name;
    if (pAttribute == QLatin1String(kMaterial))
        return component.material;
    if (pAttribute == QLatin1String(kMass))
        return componentMassKg(pComponent);
    if (pAttribute == QLatin1String(kPartNumber))
        return component.partNumber;
    return QVariant();
}

QVariant SampleAssembly::instanceAttribute(int pInstance, const QString& pAttribute) const
{
    const Instance& instance = mInstances[pInstance];
    if (pAttribute == QLatin1String(kInstanceName))
        return instance.name;
    return componentAttribute(instance.component, pAttribute);
}

QString SampleAssembly::displayName(int pInstance, int pNamingPolicy) const
{
    const Instance& instance = mInstances[pInstance];
    const QString& component = mComponents[instance.component].name;
    switch (pNamingPolicy) {
    case 1:
        return component;
    case 2:
        return QStringLiteral("%1 (%2)").arg(component, instance.name);
    default:
        return instance.name;
    }
}

} // namespace zel
