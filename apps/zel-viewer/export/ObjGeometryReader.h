#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zel {

// Reads an OBJ file back far enough to check it: vertices, faces and their indices,
// objects, and the files that it calls, which are read in place.
class ObjGeometryReader
{
    Q_DECLARE_TR_FUNCTIONS(ObjGeometryReader)

public:
    struct Summary
    {
        int vertices = 0;
        quint64 triangles = 0;
        QStringList objects;
        QStringList calls;
        QStringList materialLibraries;
    };

    // False, with the line and the reason, on a malformed statement or a face that names
    // a vertex that does not exist.
    static bool Read(const QString& pPath, Summary& pSummary, QString& pError);
    static bool Parse(const QByteArray& pText, const QString& pFolder, Summary& pSummary,
                      QString& pError);
};

} // namespace zel
