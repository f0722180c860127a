#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace zel {

// The commands of zelsettings over one settings store. Each returns the exit status: 0 done,
// 1 refused or failed, 2 bad usage, an unknown key or a store that cannot be read or written.
class SettingsTool
{
    Q_DECLARE_TR_FUNCTIONS(SettingsTool)

public:
    enum tExitCode
    {
        Success = 0,
        Refused = 1,
        UsageError = 2
    };

    // pStore empty: the viewer's own settings file.
    explicit SettingsTool(const QString& pStore);
    ~SettingsTool();

    int list(bool pWithStore, bool pJson);
    // pRecover: a store with a line that cannot be read safely is kept as a copy and
    // rewritten from what can be read.
    int check(bool pRecover);
    int get(const QString& pKey);
    int set(const QString& pKey, const QString& pValue);
    int reset(const QStringList& pKeys);

    // What a validator of the registry lets through, in words.
    static QString Accepted(const QString& pKey);
    static int Fail(int pCode, const QString& pMessage);
    static void Print(const QString& pText);

private:
    bool openStore(bool pMustExist, int& pCode);
    QString storePath() const;

    QString mStore;
    std::unique_ptr<QSettings> mSettings;
};

} // namespace zel
