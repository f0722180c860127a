<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SettingsTool</name>
    <message>
        <source>anything</source>
        <translation>n’importe quelle valeur</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>deferred or software</source>
        <translation>deferred ou software</translation>
    </message>
    <message>
        <source>arcball or examine</source>
        <translation>arcball ou examine</translation>
    </message>
    <message>
        <source>mm, cm, m or in</source>
        <translation>mm, cm, m ou in</translation>
    </message>
    <message>
        <source>. or ,</source>
        <translation>. ou ,</translation>
    </message>
    <message>
        <source>any text but an empty one</source>
        <translation>tout texte non vide</translation>
    </message>
    <message>
        <source>&quot; only</source>
        <translation>&quot; seulement</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <translation>0 à 10</translation>
    </message>
    <message>
        <source>10 to 102400</source>
        <translation>10 à 102400</translation>
    </message>
    <message>
        <source>1 to %1 (the machine&apos;s cores)</source>
        <translation>1 à %1 (les cœurs de la machine)</translation>
    </message>
    <message>
        <source>0 to 359</source>
        <translation>0 à 359</translation>
    </message>
    <message>
        <source>0 to 100</source>
        <translation>0 à 100</translation>
    </message>
    <message>
        <source>50000 to 500000000</source>
        <translation>50000 à 500000000</translation>
    </message>
    <message>
        <source>134217728 to 8489271296 (bytes)</source>
        <translation>134217728 à 8489271296 (octets)</translation>
    </message>
    <message>
        <source>a colour #RRGGBB or #AARRGGBB</source>
        <translation>une couleur #RRVVBB ou #AARRVVBB</translation>
    </message>
    <message>
        <source>the default only</source>
        <translation>la valeur par défaut seulement</translation>
    </message>
    <message>
        <source>a file in an existing folder (the default&apos;s folder is created)</source>
        <translation>un fichier dans un dossier existant (le dossier de la valeur par défaut est créé)</translation>
    </message>
    <message>
        <source>an existing folder (the default is created when missing)</source>
        <translation>un dossier existant (celui par défaut est créé s’il manque)</translation>
    </message>
    <message>
        <source>67108864 to 8489271296 (bytes)</source>
        <translation>67108864 à 8489271296 (octets)</translation>
    </message>
    <message>
        <source>any whole number</source>
        <translation>tout nombre entier</translation>
    </message>
    <message>
        <source>five ratios joined by /</source>
        <translation>cinq rapports joints par /</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clé inconnue « %1 »</translation>
    </message>
    <message>
        <source>what the host&apos;s own check accepts</source>
        <translation>ce qu’accepte la vérification propre à l’hôte</translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; does not exist</source>
        <translation>le fichier de paramètres « %1 » n’existe pas</translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;</source>
        <translation>impossible de lire le fichier de paramètres « %1 »</translation>
    </message>
    <message>
        <source>(not stored)</source>
        <translation>(non enregistré)</translation>
    </message>
    <message>
        <source>(not text) %1</source>
        <translation>(pas du texte) %1</translation>
    </message>
    <message>
        <source>the value cannot be used (%1)</source>
        <translation>la valeur n’est pas utilisable (%1)</translation>
    </message>
    <message>
        <source>check stopped at &quot;%1&quot; (stored value &quot;%2&quot;): %3</source>
        <translation>vérification arrêtée à « %1 » (valeur enregistrée « %2 ») : %3</translation>
    </message>
    <message>
        <source>nothing was changed; to reset this setting to its default, run: zelsettings reset --store %1 %2</source>
        <translation>rien n’a été modifié ; pour rétablir la valeur par défaut de ce paramètre, lancez : zelsettings reset --store %1 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not stored in &quot;%2&quot;</source>
        <translation>« %1 » n’est pas enregistré dans « %2 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a value that is not text: %2</source>
        <translation>« %1 » contient une valeur qui n’est pas du texte : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not accepted (%2)</source>
        <translation>« %1 » n’est pas accepté (%2)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not accepted (%3); the check would store &apos;%4&apos;</source>
        <translation>%1 : « %2 » n’est pas accepté (%3) ; la vérification enregistrerait « %4 »</translation>
    </message>
    <message>
        <source>Try &apos;zelsettings --help&apos;.
</source>
        <translation>Essayez « zelsettings --help ».
</translation>
    </message>
    <message>
        <source>--store given twice</source>
        <translation>--store donné deux fois</translation>
    </message>
    <message>
        <source>--store needs a file</source>
        <translation>--store demande un fichier</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>wrong number of arguments for &apos;%1&apos;</source>
        <translation>mauvais nombre d’arguments pour « %1 »</translation>
    </message>
    <message>
        <source>--json is for &apos;list&apos; only</source>
        <translation>--json ne sert qu’avec « list »</translation>
    </message>
    <message>
        <source>list, check, get, set or reset</source>
        <translation>list, check, get, set ou reset</translation>
    </message>
    <message>
        <source>The INI settings file to work on (created when missing, except by get and list); default: the viewer&apos;s own.</source>
        <translation>Le fichier de paramètres INI à traiter (créé s’il manque, sauf par get et list) ; par défaut : celui de la visionneuse.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>list: one JSON array, for scripts.</source>
        <translation>list : un seul tableau JSON, pour les scripts.</translation>
    </message>
    <message>
        <source>The library&apos;s version.</source>
        <translation>La version de la bibliothèque.</translation>
    </message>
    <message>
        <source>nothing was changed; to keep a copy of this file and start again from the settings that can be read, run: zelsettings check --recover --store %1</source>
        <translation>rien n’a été modifié ; pour garder une copie de ce fichier et repartir des paramètres lisibles, lancez : zelsettings check --recover --store %1</translation>
    </message>
    <message>
        <source>Prepares or repairs a viewer&apos;s settings, as its start-up check does.

Commands:
  list                every registered key, its default and what it accepts, in check
                      order; with --store, also the stored value
  check               fill and repair the store as the viewer does at start-up; one line
                      per key: kept, filled or repaired (old, new value)
  check --recover     the same; a damaged store is first kept as a copy beside it
                      (told on a line &quot;damaged&quot; before the others) and rewritten from
                      the settings that can still be read
  get KEY             the stored value of KEY
  set KEY VALUE       store VALUE when the check would keep it; otherwise store nothing
                      and tell what the check would store
  reset [KEY]         the default of KEY, or of every registered key, as the check
                      keeps it

Exit status: 0 success; 1 the check failed, a value was refused, a key is not stored or
another program was changing the store; 2 bad usage, an unknown key, or a file that
cannot be read or written.</source>
        <translation>Prépare ou répare les paramètres d’une visionneuse, comme le fait sa vérification au démarrage.

Commandes :
  list                chaque clé enregistrée, sa valeur par défaut et ce qu’elle accepte,
                      dans l’ordre de la vérification ; avec --store, aussi la valeur
                      enregistrée
  check               complète et répare le fichier comme la visionneuse au démarrage ;
                      une ligne par clé : kept, filled ou repaired (ancienne, nouvelle
                      valeur)
  check --recover     de même ; un fichier endommagé est d’abord gardé en copie à côté
                      de lui (indiquée sur une ligne « damaged » avant les autres) et
                      recréé à partir des paramètres encore lisibles
  get CLÉ             la valeur enregistrée de CLÉ
  set CLÉ VALEUR      enregistre VALEUR si la vérification la garderait ; sinon n’enregistre
                      rien et dit ce que la vérification enregistrerait
  reset [CLÉ]         la valeur par défaut de CLÉ, ou de chaque clé enregistrée, telle que
                      la vérification la garde

Code de sortie : 0 succès ; 1 la vérification a échoué, une valeur a été refusée, une clé
n’est pas enregistrée ou un autre programme modifiait le fichier ; 2 mauvais usage, clé
inconnue, ou fichier illisible ou impossible à écrire.</translation>
    </message>
    <message>
        <source>check: keep a damaged store as a copy and start it again from the settings that can be read.</source>
        <translation>check : garde une copie d’un fichier endommagé et le recrée à partir des paramètres lisibles.</translation>
    </message>
    <message>
        <source>--recover is for &apos;check&apos; only</source>
        <translation>--recover ne sert qu’à « check »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked by &quot;%2&quot;; nothing was changed</source>
        <translation>« %1 » est verrouillé par « %2 » ; rien n’a été modifié</translation>
    </message>
    <message>
        <source>(locked by %1)</source>
        <translation>(verrouillé par %1)</translation>
    </message>
</context>
</TS>
