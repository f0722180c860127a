#include "MeshSimplifier.h"

#include <QHash>
#include <QPair>

#include <algorithm>
#include <cmath>
#include <queue>

namespace zel {

namespace {

// A collapse may tilt a face, but not by more than about 75 degrees.
const float kMinNormalCosine = 0.25f;

// The sum of squared distances to a set of planes, as a symmetric 4 x 4 form.
struct Quadric
{
    double q[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

    void addPlane(const QVector3D& pNormal, const QVector3D& pPoint, double pWeight)
    {
        const double a = pNormal.x();
        const double b = pNormal.y();
        const double c = pNormal.z();
        const double d = -QVector3D::dotProduct(pNormal, pPoint);
        const double terms[10] = {a * a, a * b, a * c, a * d, b * b,
                                  b * c, b * d, c * c, c * d, d * d};
        for (int i = 0; i < 10; ++i)
            q[i] += pWeight * terms[i];
    }

    void add(const Quadric& pOther)
    {
        for (int i = 0; i < 10; ++i)
            q[i] += pOther.q[i];
    }

    double error(const QVector3D& pPoint) const
    {
        const double x = pPoint.x();
        const double y = pPoint.y();
        const double z = pPoint.z();
        return q[0] * x * x + 2 * q[1] * x * y + 2 * q[2] * x * z + 2 * q[3] * x
            + q[4] * y * y + 2 * q[5] * y * z + 2 * q[6] * y + q[7] * z * z + 2 * q[8] * z
            + q[9];
    }
};

struct Candidate
{
    double error;
    float lengthSquared;
    int a;
    int b;
    int versionA;
    int versionB;
    QVector3D target;
    bool operator>(const Candidate& pOther) const
    {
        if (error != pOther.error)
            return error > pOther.error;
        return lengthSquared > pOther.lengthSquared;
    }
};

class Collapser
{
public:
    explicit Collapser(const TriangleMesh& pMesh)
        : mPositions(pMesh.vertices())
        , mTriangles(pMesh.triangles())
        , mTriangleAlive(pMesh.triangleCount(), true)
        , mVertexAlive(pMesh.vertexCount(), true)
        , mAround(pMesh.vertexCount())
        , mQuadrics(pMesh.vertexCount())
        , mVersions(pMesh.vertexCount(), 0)
        , mLive(pMesh.triangleCount())
    {
        for (int t = 0; t < mTriangles.size(); ++t) {
            const TriangleMesh::Triangle& triangle = mTriangles[t];
            const QVector3D cross = QVector3D::crossProduct(
                mPositions[triangle[1]] - mPositions[triangle[0]],
                mPositions[triangle[2]] - mPositions[triangle[0]]);
            const float area = cross.length() * 0.5f;
            for (int corner = 0; corner < 3; ++corner) {
                mAround[triangle[corner]].append(t);
                if (area > 0.0f)
                    mQuadrics[triangle[corner]].addPlane(cross.normalized(),
                                                         mPositions[triangle[0]], area);
            }
        }
        for (int t = 0; t < mTriangles.size(); ++t) {
            for (int corner = 0; corner < 3; ++corner) {
                const int a = mTriangles[t][corner];
                const int b = mTriangles[t][(corner + 1) % 3];
                if (a < b)
                    push(a, b);
            }
        }
    }

    void run(int pTarget)
    {
        while (mLive > pTarget && !mQueue.empty()) {
            const Candidate candidate = mQueue.top();
            mQueue.pop();
            if (mVersions[candidate.a] != candidate.versionA
                || mVersions[candidate.b] != candidate.versionB) {
                continue;
            }
            collapse(candidate.a, candidate.b, candidate.target);
        }
    }

    TriangleMesh result() const
    {
        TriangleMesh mesh;
        QVector<int> remap(mPositions.size(), -1);
        for (int t = 0; t < mTriangles.size(); ++t) {
            if (!mTriangleAlive[t])
                continue;
            int corners[3];
            for (int corner = 0; corner < 3; ++corner) {
                int& index = remap[mTriangles[t][corner]];
                if (index < 0)
                    index = mesh.addVertex(mPositions[mTriangles[t][corner]]);
                corners[corner] = index;
            }
            mesh.addTriangle(corners[0], corners[1], corners[2]);
        }
        return mesh;
    }

private:
    // The cheapest of the two ends and the midpoint: collapses within a flat region cost
    // nothing, while corners and creases resist.
    void push(int pA, int pB)
    {
        Quadric sum = mQuadrics[pA];
        sum.add(mQuadrics[pB]);
        const QVector3D choices[3] = {mPositions[pA], mPositions[pB],
                                      (mPositions[pA] + mPositions[pB]) * 0.5f};
        int best = 0;
        double bestError = sum.error(choices[0]);
        for (int i = 1; i < 3; ++i) {
            const double error = sum.error(choices[i]);
            if (error < bestError) {
                bestError = error;
                best = i;
            }
        }
        mQueue.push(Candidate{std::max(0.0, bestError),
                              (mPositions[pA] - mPositions[pB]).lengthSquared(), pA, pB,
                              mVersions[pA], mVersions[pB], choices[best]});
    }

    bool contains(int pTriangle, int pVertex) const
    {
        const TriangleMesh::Triangle& t = mTriangles[pTriangle];
        return t[0] == pVertex || t[1] == pVertex || t[2] == pVertex;
    }

    void liveAround(int pVertex, QVector<int>& pTriangles)
    {
        QVector<int>& around = mAround[pVertex];
        around.erase(std::remove_if(around.begin(), around.end(),
                                    [this](int t) { return !mTriangleAlive[t]; }),
                     around.end());
        pTriangles = around;
    }

    QVector<int> neighbours(const QVector<int>& pTriangles, int pVertex) const
    {
        QVector<int> result;
        for (int t : pTriangles) {
            for (int corner = 0; corner < 3; ++corner) {
                const int v = mTriangles[t][corner];
                if (v != pVertex && !result.contains(v))
                    result.append(v);
            }
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    static QVector3D cross(const QVector3D& pA, const QVector3D& pB, const QVector3D& pC)
    {
        return QVector3D::crossProduct(pB - pA, pC - pA);
    }

    // The triangle's corners with pFrom and pTo replaced by pInto.
    TriangleMesh::Triangle renamed(int pTriangle, int pFrom, int pInto) const
    {
        TriangleMesh::Triangle t = mTriangles[pTriangle];
        for (int& corner : t) {
            if (corner == pFrom)
                corner = pInto;
        }
        return t;
    }

    static TriangleMesh::Triangle sorted(TriangleMesh::Triangle pTriangle)
    {
        std::sort(pTriangle.begin(), pTriangle.end());
        return pTriangle;
    }

    void collapse(int pA, int pB, const QVector3D& pTarget)
    {
        QVector<int> aroundA;
        QVector<int> aroundB;
        liveAround(pA, aroundA);
        liveAround(pB, aroundB);
        QVector<int> shared;
        for (int t : aroundA) {
            if (contains(t, pB))
                shared.append(t);
        }
        if (shared.isEmpty())
            return;

        // The surface stays a manifold only when the two ends share no neighbour other
        // than the far corners of the faces on the edge.
        QVector<int> common;
        const QVector<int> neighboursA = neighbours(aroundA, pA);
        const QVector<int> neighboursB = neighbours(aroundB, pB);
        std::set_intersection(neighboursA.begin(), neighboursA.end(), neighboursB.begin(),
                              neighboursB.end(), std::back_inserter(common));
        if (common.size() != shared.size())
            return;

        const QVector3D& target = pTarget;
        QVector<TriangleMesh::Triangle> kept;
        for (const QVector<int>* around : {&aroundA, &aroundB}) {
            for (int t : *around) {
                if (shared.contains(t))
                    continue;
                const TriangleMesh::Triangle& before = mTriangles[t];
                const QVector3D normalBefore = cross(mPositions[before[0]],
                                                     mPositions[before[1]],
                                                     mPositions[before[2]]);
                QVector3D moved[3];
                for (int corner = 0; corner < 3; ++corner) {
                    const int v = before[corner];
                    moved[corner] = (v == pA || v == pB) ? target : mPositions[v];
                }
                const QVector3D normalAfter = cross(moved[0], moved[1], moved[2]);
                const float lengths = normalBefore.length() * normalAfter.length();
                if (lengths <= 0.0f
                    || QVector3D::dotProduct(normalBefore, normalAfter)
                        < kMinNormalCosine * lengths) {
                    return;
                }
                const TriangleMesh::Triangle key = sorted(renamed(t, pB, pA));
                if (kept.contains(key))
                    return;
                kept.append(key);
            }
        }

        mPositions[pA] = target;
        mQuadrics[pA].add(mQuadrics[pB]);
        ++mVersions[pA];
        ++mVersions[pB];
        for (int t : shared) {
            mTriangleAlive[t] = false;
            --mLive;
        }
        for (int t : aroundB) {
            if (!mTriangleAlive[t])
                continue;
            mTriangles[t] = renamed(t, pB, pA);
            mAround[pA].append(t);
        }
        mVertexAlive[pB] = false;
        mAround[pB].clear();

        QVector<int> around;
        liveAround(pA, around);
        for (int v : neighbours(around, pA))
            push(pA, v);
    }

    QVector<QVector3D> mPositions;
    QVector<TriangleMesh::Triangle> mTriangles;
    QVector<bool> mTriangleAlive;
    QVector<bool> mVertexAlive;
    QVector<QVector<int>> mAround;
    QVector<Quadric> mQuadrics;
    QVector<int> mVersions;
    int mLive;
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<Candidate>> mQueue;
};

} // namespace

quint64 MeshSimplifier::TargetTriangles(float pSimplification, quint64 pTotal)
{
    if (pSimplification < 0.0f) {
        const double percent = std::min(100.0, -double(pSimplification));
        return quint64(std::ceil(double(pTotal) * percent / 100.0));
    }
    if (pSimplification > 0.0f)
        return std::min(pTotal, quint64(pSimplification));
    return pTotal;
}

TriangleMesh MeshSimplifier::Simplify(const TriangleMesh& pMesh, int pTarget)
{
    if (pTarget >= pMesh.triangleCount())
        return pMesh;
    Collapser collapser(pMesh);
    collapser.run(std::max(0, pTarget));
    return collapser.result();
}

QVector<int> MeshSimplifier::ShareTarget(const QVector<int>& pCounts, quint64 pTarget)
{
    quint64 total = 0;
    for (int count : pCounts)
        total += quint64(std::max(0, count));
    if (pTarget >= total)
        return pCounts;

    // Meshes held in memory keep the total below 2^32, so the products fit in 64 bits.
    QVector<int> shares(pCounts.size(), 0);
    QVector<QPair<quint64, int>> remainders;
    quint64 given = 0;
    for (int i = 0; i < pCounts.size(); ++i) {
        const quint64 scaled = pTarget * quint64(std::max(0, pCounts[i]));
        shares[i] = int(scaled / total);
        given += quint64(shares[i]);
        remainders.append(qMakePair(scaled % total, i));
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const QPair<quint64, int>& pA, const QPair<quint64, int>& pB) {
                         return pA.first > pB.first;
                     });
    for (int k = 0; given < pTarget && k < remainders.size(); ++k) {
        ++shares[remainders[k].second];
        ++given;
    }
    return shares;
}

QVector<TriangleMesh> MeshSimplifier::SimplifyAll(const QVector<TriangleMesh>& pMeshes,
                                                  quint64 pTarget)
{
    QVector<int> counts;
    for (const TriangleMesh& mesh : pMeshes)
        counts.append(mesh.triangleCount());
    const QVector<int> shares = ShareTarget(counts, pTarget);

    QVector<TriangleMesh> result;
    QHash<QPair<const void*, int>, int> done;
    for (int i = 0; i < pMeshes.size(); ++i) {
        const QPair<const void*, int> key(pMeshes[i].triangles().constData(), shares[i]);
        const auto it = done.constFind(key);
        if (it != done.constEnd()) {
            const TriangleMesh same = result[*it];
            result.append(same);
        } else {
            done.insert(key, result.size());
            result.append(Simplify(pMeshes[i], shares[i]));
        }
    }
    return result;
}

} // namespace zel
