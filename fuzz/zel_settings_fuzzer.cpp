// libFuzzer target: arbitrary bytes as a settings store, through the start-up check.

#include "zelStoreProbe.h"

#include <QDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const QString root = QDir::tempPath() + QStringLiteral("/zel-settings-fuzzer");
    QDir(root).removeRecursively();
    zelfuzz::PrepareRegistry(root);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t pSize)
{
    const QString fault = zelfuzz::ProbeStore(
        QByteArray(reinterpret_cast<const char*>(pData), int(pSize)));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "settings check fault: %s\n", fault.toUtf8().constData());
        std::abort();
    }
    return 0;
}
