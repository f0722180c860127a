#pragma once

#include "kmDMIApplication.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The host as a viewer has it after its start-up: the registered defaults, an INI store that
// the start-up check has filled, and the reference host's application object reading it.
// The home and temporary folders point into pFolder (a temporary one when empty), so that
// the folders that the check creates stay out of the real home and, in a fixed folder, the
// paths that the panels show are the same from one run to the next.
class BenchHost
{
public:
    explicit BenchHost(const QString& pFolder = QString());

    // False, with the reason in pMessage, when the folder or the start-up check failed.
    bool isValid(QString& pMessage) const;
    QSettings& store() { return *mStore; }
    zel::kmDMIApplication* application() { return &mApplication; }
    QString folder() const { return mFolder; }

private:
    QTemporaryDir mTemporary;
    QString mFolder;
    QString mMessage;
    std::unique_ptr<QSettings> mStore;
    zel::kmDMIApplication mApplication;
};
