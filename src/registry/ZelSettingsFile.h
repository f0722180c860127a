#pragma once

#include "zelCoreExport.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace zel {

// The text of an INI settings store, read the way QSettings reads it but without ever
// building a typed value: a serialized object, a list or an invalid value is only known as
// "not text". Values are changed in place in the lines that hold them; every other byte of
// the file stays as it was, so that comments and the keys of others survive.
class ZEL_CORE_EXPORT ZelSettingsFile
{
public:
    enum tValueKind
    {
        Missing,
        Text,
        NotText
    };

    ZelSettingsFile() = default;
    explicit ZelSettingsFile(const QByteArray& pData);

    // A missing file reads as an empty store. False when the file cannot be read.
    bool load(const QString& pPath);
    const QString& fileName() const { return mPath; }
    const QByteArray& data() const { return mData; }
    bool isModified() const { return mData != mOriginal; }

    // The first line, counted from 1, that QSettings cannot read cleanly (a section header
    // without "]", a line that is neither a setting nor a comment): it would drop or rename
    // what that line holds when it rewrites the file. 0 when every line reads cleanly.
    int damagedLine() const { return mDamagedLine; }
    // Every such line, in file order.
    const std::vector<int>& damagedLines() const { return mDamagedLines; }

    // The keys that the file holds, in the order of their first lines.
    QStringList keys() const;

    // The settings that can still be read from a damaged store, in file order: the text
    // values of the lines that read cleanly, outside a section header that does not.
    std::vector<std::pair<QString, QString>> readableValues() const;
    // Takes pData as the store's new text, to be saved in place of what was loaded.
    void replaceData(const QByteArray& pData);

    // The value that QSettings reads for pKey, when it is text.
    tValueKind value(const QString& pKey, QString* pText = nullptr) const;
    // The value as it is written in the file, escapes and all; for messages.
    QString writtenValue(const QString& pKey) const;
    // How many lines hold pKey.
    std::size_t lineCount(const QString& pKey) const;
    // True when pKey is stored and every line that holds it reads as pText.
    bool holds(const QString& pKey, const QString& pText) const;

    // Writes pText into every line that holds pKey, or adds a line to the key's section.
    // False, with nothing changed, when the text around the key would make QSettings read
    // another line differently.
    bool setValue(const QString& pKey, const QString& pText);

    // Replaces the file in one step. The modification time always moves on, so that the
    // QSettings objects that read the old text read the new one at their next sync.
    bool save(QString& pErrorMessage);

    // Writes pData as the whole file pPath, replacing it only once every byte was written:
    // on failure the old file stays as it was, no temporary file is left, and the message
    // names the file and the reason.
    static bool WriteFile(const QString& pPath, const QByteArray& pData,
                          QString& pErrorMessage);

private:
    static constexpr std::size_t kNoEntry = std::size_t(-1);
    struct Entry
    {
        QString mKey;
        std::size_t mSection;
        qsizetype mValueStart;
        qsizetype mValueEnd;
        // The next line of the same key, in file order.
        std::size_t mNext = kNoEntry;
        // Its line, or the header of its section, is damaged.
        bool mUnreadable = false;
    };
    struct Section
    {
        QString mName;
        // Where its header line ends; 0 for the keys before the first header.
        qsizetype mHeaderEnd;
    };

    void parse();
    // The entries of pKey in the order in which QSettings reads them: the last one wins.
    std::vector<const Entry*> entriesOf(const QString& pKey) const;
    // The line of pKey that QSettings reads, or null.
    const Entry* lastEntryOf(const QString& pKey) const;
    tValueKind readEntry(const Entry& pEntry, QString* pText) const;
    QByteArray lineEnd() const;
    void insertLine(const QString& pKey, const QByteArray& pValue);

    QString mPath;
    QByteArray mData;
    QByteArray mOriginal;
    std::vector<Entry> mEntries;
    // The first line of each key in mEntries; the others follow from it.
    QHash<QString, std::size_t> mFirstEntryOfKey;
    std::vector<Section> mSections;
    int mDamagedLine = 0;
    std::vector<int> mDamagedLines;
};

} // namespace zel
