#pragma once

#include "zelCoreExport.h"

#include <QLocale>
#include <QStringList>

namespace zel {

// The library's translations, installed into the application for one language. The library
// carries its catalogues; Qt's own come from the Qt installation, when it has them. Panels
// and hosts follow a change at once, keeping the edits that they hold.
class ZEL_CORE_EXPORT ZelTranslator
{
public:
    // Installs for pLocale the library's catalogue, Qt's own and the host's catalogues that
    // pCatalogues names (a path without the "_fr.qm" ending, such as ":/i18n/viewer"), in
    // place of those that an earlier call installed. A catalogue missing for that language
    // (and for C) gives way to its English one, which mends a few source spellings. Gives the
    // language of the library's catalogue now installed, such as "fr" or "en"; empty without
    // an application. An application laid out right to left stays so.
    static QString Install(const QLocale& pLocale, const QStringList& pCatalogues = QStringList());
    // Removes what Install installed, leaving the English catalogues of the library and of
    // the host's catalogues last named: the texts go back to the mended English.
    static void Remove();
    // The languages that the library has catalogues for, such as "en" and "fr".
    static QStringList AvailableLanguages();
};

} // namespace zel
