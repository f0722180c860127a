#pragma once

// One probe of the settings check over arbitrary store bytes, shared by the fuzzer and by the
// test that replays its corpus.

#include <QByteArray>
#include <QString>

namespace zelfuzz {

// Moves the home and the temporary folder into pRoot, then registers the default table, so
// that the folders which the check creates land there.
void PrepareRegistry(const QString& pRoot);

// Runs the check over pBytes as a store file and returns what went wrong, or an empty string:
// the check must not crash; when it fails the file keeps its bytes; when it succeeds every
// registered key reads as text that its validator keeps, and a second check changes no byte;
// on input that QSettings can read without building typed values, both read the same.
QString ProbeStore(const QByteArray& pBytes);

} // namespace zelfuzz
