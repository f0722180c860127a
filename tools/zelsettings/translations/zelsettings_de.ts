<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SettingsTool</name>
    <message>
        <source>anything</source>
        <translation>beliebiger Wert</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>deferred or software</source>
        <translation>deferred oder software</translation>
    </message>
    <message>
        <source>arcball or examine</source>
        <translation>arcball oder examine</translation>
    </message>
    <message>
        <source>mm, cm, m or in</source>
        <translation>mm, cm, m oder in</translation>
    </message>
    <message>
        <source>. or ,</source>
        <translation>. oder ,</translation>
    </message>
    <message>
        <source>any text but an empty one</source>
        <translation>jeder nicht leere Text</translation>
    </message>
    <message>
        <source>&quot; only</source>
        <translation>&quot; allein</translation>
    </message>
    <message>
        <source>0 to 10</source>
        <translation>0 bis 10</translation>
    </message>
    <message>
        <source>10 to 102400</source>
        <translation>10 bis 102400</translation>
    </message>
    <message>
        <source>1 to %1 (the machine&apos;s cores)</source>
        <translation>1 bis %1 (die Kerne des Rechners)</translation>
    </message>
    <message>
        <source>0 to 359</source>
        <translation>0 bis 359</translation>
    </message>
    <message>
        <source>0 to 100</source>
        <translation>0 bis 100</translation>
    </message>
    <message>
        <source>50000 to 500000000</source>
        <translation>50000 bis 500000000</translation>
    </message>
    <message>
        <source>134217728 to 8489271296 (bytes)</source>
        <translation>134217728 bis 8489271296 (Bytes)</translation>
    </message>
    <message>
        <source>a colour #RRGGBB or #AARRGGBB</source>
        <translation>eine Farbe #RRGGBB oder #AARRGGBB</translation>
    </message>
    <message>
        <source>the default only</source>
        <translation>nur der Standard</translation>
    </message>
    <message>
        <source>a file in an existing folder (the default&apos;s folder is created)</source>
        <translation>eine Datei in einem vorhandenen Ordner (der Ordner des Standards wird angelegt)</translation>
    </message>
    <message>
        <source>an existing folder (the default is created when missing)</source>
        <translation>ein vorhandener Ordner (der Standard wird angelegt, wenn er fehlt)</translation>
    </message>
    <message>
        <source>67108864 to 8489271296 (bytes)</source>
        <translation>67108864 bis 8489271296 (Bytes)</translation>
    </message>
    <message>
        <source>any whole number</source>
        <translation>jede ganze Zahl</translation>
    </message>
    <message>
        <source>five ratios joined by /</source>
        <translation>fünf Verhältnisse, durch / verbunden</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unbekannter Schlüssel „%1“</translation>
    </message>
    <message>
        <source>what the host&apos;s own check accepts</source>
        <translation>was die eigene Prüfung des Hosts annimmt</translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; does not exist</source>
        <translation>die Einstellungsdatei „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;</source>
        <translation>die Einstellungsdatei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>(not stored)</source>
        <translation>(nicht gespeichert)</translation>
    </message>
    <message>
        <source>(not text) %1</source>
        <translation>(kein Text) %1</translation>
    </message>
    <message>
        <source>the value cannot be used (%1)</source>
        <translation>der Wert ist nicht verwendbar (%1)</translation>
    </message>
    <message>
        <source>check stopped at &quot;%1&quot; (stored value &quot;%2&quot;): %3</source>
        <translation>Prüfung angehalten bei „%1“ (gespeicherter Wert „%2“): %3</translation>
    </message>
    <message>
        <source>nothing was changed; to reset this setting to its default, run: zelsettings reset --store %1 %2</source>
        <translation>es wurde nichts geändert; um diese Einstellung auf ihren Standard zurückzusetzen, führen Sie aus: zelsettings reset --store %1 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not stored in &quot;%2&quot;</source>
        <translation>„%1“ ist in „%2“ nicht gespeichert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a value that is not text: %2</source>
        <translation>„%1“ enthält einen Wert, der kein Text ist: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not accepted (%2)</source>
        <translation>„%1“ wird nicht angenommen (%2)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not accepted (%3); the check would store &apos;%4&apos;</source>
        <translation>%1: „%2“ wird nicht angenommen (%3); die Prüfung würde „%4“ speichern</translation>
    </message>
    <message>
        <source>Try &apos;zelsettings --help&apos;.
</source>
        <translation>Siehe „zelsettings --help“.
</translation>
    </message>
    <message>
        <source>list, check, get, set or reset</source>
        <translation>list, check, get, set oder reset</translation>
    </message>
    <message>
        <source>The INI settings file to work on (created when missing, except by get and list); default: the viewer&apos;s own.</source>
        <translation>Die INI-Einstellungsdatei, die bearbeitet wird (angelegt, wenn sie fehlt, außer bei get und list); Standard: die des Viewers.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>list: one JSON array, for scripts.</source>
        <translation>list: ein einziges JSON-Array, für Skripte.</translation>
    </message>
    <message>
        <source>The library&apos;s version.</source>
        <translation>Die Version der Bibliothek.</translation>
    </message>
    <message>
        <source>--store given twice</source>
        <translation>--store zweimal angegeben</translation>
    </message>
    <message>
        <source>--store needs a file</source>
        <translation>--store braucht eine Datei</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>wrong number of arguments for &apos;%1&apos;</source>
        <translation>falsche Anzahl von Argumenten für „%1“</translation>
    </message>
    <message>
        <source>--json is for &apos;list&apos; only</source>
        <translation>--json gilt nur für „list“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked by &quot;%2&quot;; nothing was changed</source>
        <translation>„%1“ ist durch „%2“ gesperrt; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>(locked by %1)</source>
        <translation>(gesperrt durch %1)</translation>
    </message>
    <message>
        <source>nothing was changed; to keep a copy of this file and start again from the settings that can be read, run: zelsettings check --recover --store %1</source>
        <translation>es wurde nichts geändert; um eine Kopie dieser Datei aufzubewahren und mit den lesbaren Einstellungen neu zu beginnen, führen Sie aus: zelsettings check --recover --store %1</translation>
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
        <translation>Bereitet die Einstellungen eines Viewers vor oder repariert sie, wie es seine Startprüfung tut.

Befehle:
  list                jeder registrierte Schlüssel, sein Standard und was er annimmt, in
                      der Reihenfolge der Prüfung; mit --store auch der gespeicherte Wert
  check               die Datei füllen und reparieren, wie der Viewer beim Start; eine
                      Zeile je Schlüssel: kept, filled oder repaired (alter, neuer Wert)
  check --recover     ebenso; eine beschädigte Datei wird zuerst als Kopie daneben
                      aufbewahrt (auf einer Zeile „damaged“ vor den anderen genannt) und
                      aus den noch lesbaren Einstellungen neu geschrieben
  get SCHLÜSSEL       der gespeicherte Wert von SCHLÜSSEL
  set SCHLÜSSEL WERT  WERT speichern, wenn die Prüfung ihn behielte; sonst nichts
                      speichern und sagen, was die Prüfung speichern würde
  reset [SCHLÜSSEL]   der Standard von SCHLÜSSEL oder jedes registrierten Schlüssels, wie
                      die Prüfung ihn behält

Exit-Status: 0 Erfolg; 1 die Prüfung schlug fehl, ein Wert wurde abgelehnt, ein Schlüssel
ist nicht gespeichert oder ein anderes Programm änderte die Datei; 2 falscher Aufruf,
unbekannter Schlüssel oder eine Datei, die nicht gelesen oder geschrieben werden kann.</translation>
    </message>
    <message>
        <source>check: keep a damaged store as a copy and start it again from the settings that can be read.</source>
        <translation>check: eine beschädigte Datei als Kopie aufbewahren und mit den lesbaren Einstellungen neu beginnen.</translation>
    </message>
    <message>
        <source>--recover is for &apos;check&apos; only</source>
        <translation>--recover gilt nur für „check“</translation>
    </message>
</context>
</TS>
