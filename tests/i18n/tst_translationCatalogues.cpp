#include <QtTest>

namespace {

// One message of a catalogue.
struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> ReadCatalogue(const QString& pPath)
{
    QList<Message> messages;
    QFile file(pPath);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, QString(), QString(), QString()};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(pPath), qPrintable(xml.errorString()));
    return messages;
}

QStringList Keys(const QList<Message>& pMessages)
{
    QStringList keys;
    for (const Message& message : pMessages)
        keys.append(message.context + QLatin1String(" | ") + message.source);
    keys.sort();
    return keys;
}

// What a translation must carry over: the arguments and the links.
QStringList Markers(const QString& pText)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]|href=\"[^\"]*\""));
    QStringList markers;
    QRegularExpressionMatchIterator it = marker.globalMatch(pText);
    while (it.hasNext())
        markers.append(it.next().captured());
    markers.sort();
    markers.removeDuplicates();
    return markers;
}

// Words that a translation must not use: the source's spellings and the terms that the
// language's CAD vocabulary says otherwise.
QStringList Avoided(const QString& pLanguage)
{
    if (pLanguage == QLatin1String("de"))
        return {QStringLiteral("Tessellation"), QStringLiteral("Tesselierung"),
                QStringLiteral("Antialiasing"), QStringLiteral("Produktbaum"),
                QStringLiteral("Materialliste"), QStringLiteral("Centimer")};
    return {QStringLiteral("Centimer"), QStringLiteral("Tesselation")};
}

} // namespace

// The catalogues kept in the tree hold every text of the sources and nothing more, and the
// French and German ones translate each of them, in their own words.
class tst_translationCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogue_data()
    {
        QTest::addColumn<QString>("sourceList");
        QTest::addColumn<QString>("base");
        const QStringList catalogues =
            QString::fromUtf8(ZEL_CATALOGUES).split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString& catalogue : catalogues) {
            const QStringList parts = catalogue.split(QLatin1Char('|'));
            QTest::newRow(qPrintable(QFileInfo(parts[1]).fileName())) << parts[0] << parts[1];
        }
    }

    void catalogue()
    {
        QFETCH(QString, sourceList);
        QFETCH(QString, base);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fresh = dir.filePath(QStringLiteral("fresh_fr.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(ZEL_LUPDATE),
                      {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QLatin1Char('@') + sourceList,
                       QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        const QStringList sources = Keys(ReadCatalogue(fresh));
        QVERIFY(!sources.isEmpty());

        for (const QString& language :
             {QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("en")}) {
            const QString path = base + QLatin1Char('_') + language + QStringLiteral(".ts");
            const QList<Message> kept = ReadCatalogue(path);
            QStringList missing;
            QStringList stale;
            const QStringList keptKeys = Keys(kept);
            for (const QString& key : sources) {
                if (!keptKeys.contains(key))
                    missing.append(key);
            }
            for (const QString& key : keptKeys) {
                if (!sources.contains(key))
                    stale.append(key);
            }
            QVERIFY2(missing.isEmpty() && stale.isEmpty(),
                     qPrintable(path + QStringLiteral(" is behind the sources (build "
                                                      "update_translations); missing: ")
                                + missing.join(QLatin1String("; ")) + QStringLiteral("; stale: ")
                                + stale.join(QLatin1String("; "))));
            if (language == QLatin1String("en"))
                continue;
            const QStringList avoided = Avoided(language);
            for (const Message& message : kept) {
                const QString where = message.context + QLatin1String(" | ") + message.source;
                for (const QString& word : avoided) {
                    QVERIFY2(!message.translation.contains(word),
                             qPrintable(QStringLiteral("\"%1\" in: ").arg(word) + where));
                }
                QVERIFY2(message.type.isEmpty() && !message.translation.isEmpty(),
                         qPrintable(QStringLiteral("not translated: ") + where));
                QVERIFY2(Markers(message.translation) == Markers(message.source),
                         qPrintable(QStringLiteral("arguments or links differ: ") + where));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_translationCatalogues)
#include "tst_translationCatalogues.moc"
