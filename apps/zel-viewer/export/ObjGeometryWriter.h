#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zel {

class SampleAssembly;
class TriangleMesh;

// The geometry export: Wavefront OBJ with one object per instance, placed in the
// assembly, and a material library with each component's colour.
class ObjGeometryWriter
{
    Q_DECLARE_TR_FUNCTIONS(ObjGeometryWriter)

public:
    // pMeshes holds one mesh per instance (the assembly's own or simplified ones). A
    // scattered export writes each instance into a file of its own beside pPath and makes
    // pPath a master file that calls them in order. pFiles receives every file written.
    static bool Write(const QString& pPath, const SampleAssembly& pAssembly,
                      const QVector<TriangleMesh>& pMeshes, bool pScattered,
                      QStringList& pFiles, QString& pError);
};

} // namespace zel
