#pragma once

#include <QCoreApplication>

#include "TriangleMesh.h"

#include <QColor>
#include <QMatrix4x4>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zel {

// The demo model: a wheel on a shaft between two bearing blocks, bolted to a base plate.
// Components carry the geometry and the part attributes; instances place components.
class SampleAssembly
{
    Q_DECLARE_TR_FUNCTIONS(SampleAssembly)

public:
    struct Component
    {
        QString name;
        QString material;
        QString partNumber;
        // Grams per cubic centimetre.
        double density = 0.0;
        QColor colour;
        TriangleMesh mesh;
    };

    struct Instance
    {
        QString name;
        int component = 0;
        QMatrix4x4 placement;
    };

    static SampleAssembly Create();

    const QString& name() const { return mName; }
    const QVector<Component>& components() const { return mComponents; }
    const QVector<Instance>& instances() const { return mInstances; }
    int addComponent(const Component& pComponent);
    void addInstance(const Instance& pInstance);

    // The component mesh of each instance, in instance order, not yet placed.
    QVector<TriangleMesh> instanceMeshes() const;
    quint64 triangleCount() const;

    double componentMassKg(int pComponent) const;
    // The length that the status bar reports: the shaft, end to end, in millimetres.
    double measuredLength() const;

    // Attribute names as the attribute dictionary lists them.
    static QStringList ComponentAttributeNames();
    static QStringList InstanceAttributeNames();
    // A component or instance attribute of an instance: text, or a number for the mass
    // (kilograms); invalid for an unknown name.
    QVariant instanceAttribute(int pInstance, const QString& pAttribute) const;
    QVariant componentAttribute(int pComponent, const QString& pAttribute) const;

    // The text of an instance in the product structure for a naming policy type:
    // 0 the instance name, 1 the component name, 2 both.
    QString displayName(int pInstance, int pNamingPolicy) const;

private:
    QString mName;
    QVector<Component> mComponents;
    QVector<Instance> mInstances;
    int mMeasuredComponent = -1;
};

} // namespace zel
