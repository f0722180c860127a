#include "ZelTranslator.h"

#include "zelQtCoreCompat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>

#include <utility>

namespace zel {

namespace {

const char kCatalogueFolder[] = ":/i18n";
const char kLibraryCatalogue[] = "ZelControlCenter";
const char kQtCatalogue[] = "qtbase";
const char kEnglish[] = "en";

// The installed translators belong to the application, which may go first. A library
// unloaded while they are installed takes their data with it, so they leave with it.
struct Catalogues
{
    ~Catalogues() { removeAll(); }

    void removeAll()
    {
        for (const QPointer<QTranslator>& translator : std::as_const(mInstalled)) {
            if (translator) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
        }
        mInstalled.clear();
    }

    // Installs pName's catalogue for pLocale, else, when pEnglish, its English one. Gives the
    // language of the catalogue installed, empty when none was.
    QString install(const QLocale& pLocale, const QString& pName, const QString& pFolder,
                    bool pEnglish)
    {
        auto* translator = new QTranslator(QCoreApplication::instance());
        const bool loaded =
            translator->load(pLocale, pName, QStringLiteral("_"), pFolder)
            || (pEnglish
                && translator->load(pName + QLatin1Char('_') + QLatin1String(kEnglish), pFolder));
        if (!loaded || !QCoreApplication::installTranslator(translator)) {
            delete translator;
            return QString();
        }
        mInstalled.append(translator);
        return QFileInfo(translator->filePath()).completeBaseName().mid(pName.size() + 1);
    }

    // The English catalogues of the library and of the host's: what is left without a language.
    QString installEnglish()
    {
        const QLocale english(QLocale::English);
        for (const QString& catalogue : std::as_const(mHostCatalogues)) {
            const QFileInfo file(catalogue);
            install(english, file.fileName(), file.path(), true);
        }
        return install(english, QString::fromLatin1(kLibraryCatalogue),
                       QString::fromLatin1(kCatalogueFolder), true);
    }

    QList<QPointer<QTranslator>> mInstalled;
    QStringList mHostCatalogues;
};

// Qt 5 lays the application out again by the language of its catalogues whenever they
// change, which undoes -reverse or a host's own choice of right to left; a catalogue of a
// right-to-left language still turns the layout over. The direction is the GUI
// application's property, read by name so that programs without a GUI need Qt Core only.
const char kLayoutDirection[] = "layoutDirection";

struct DirectionKept
{
    const bool mRightToLeft = QCoreApplication::instance()
        && QCoreApplication::instance()->property(kLayoutDirection).toInt() == Qt::RightToLeft;
    ~DirectionKept()
    {
        if (mRightToLeft && QCoreApplication::instance())
            QCoreApplication::instance()->setProperty(kLayoutDirection, int(Qt::RightToLeft));
    }
};

Catalogues& Installed()
{
    static Catalogues catalogues;
    return catalogues;
}

} // namespace

QString ZelTranslator::Install(const QLocale& pLocale, const QStringList& pCatalogues)
{
    const DirectionKept direction;
    Catalogues& catalogues = Installed();
    catalogues.removeAll();
    catalogues.mHostCatalogues = pCatalogues;
    if (!QCoreApplication::instance())
        return QString();
    catalogues.install(pLocale, QString::fromLatin1(kQtCatalogue), compat::translationsPath(),
                       false);
    for (const QString& catalogue : pCatalogues) {
        const QFileInfo file(catalogue);
        catalogues.install(pLocale, file.fileName(), file.path(), true);
    }
    return catalogues.install(pLocale, QString::fromLatin1(kLibraryCatalogue),
                              QString::fromLatin1(kCatalogueFolder), true);
}

void ZelTranslator::Remove()
{
    const DirectionKept direction;
    Catalogues& catalogues = Installed();
    catalogues.removeAll();
    if (QCoreApplication::instance())
        catalogues.installEnglish();
}

QStringList ZelTranslator::AvailableLanguages()
{
    const QString prefix = QString::fromLatin1(kLibraryCatalogue) + QLatin1Char('_');
    QStringList languages;
    const QStringList files = QDir(QString::fromLatin1(kCatalogueFolder))
                                  .entryList({prefix + QStringLiteral("*.qm")}, QDir::Files,
                                             QDir::Name);
    for (const QString& file : files)
        languages.append(file.mid(prefix.size()).chopped(3));
    return languages;
}

} // namespace zel
