<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SettingsTool</name>
    <message>
        <source>anything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deferred or software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arcball or examine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm, cm, m or in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. or ,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any text but an empty one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot; only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 to 102400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to %1 (the machine&apos;s cores)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 359</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50000 to 500000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>134217728 to 8489271296 (bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a colour #RRGGBB or #AARRGGBB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the default only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file in an existing folder (the default&apos;s folder is created)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an existing folder (the default is created when missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>67108864 to 8489271296 (bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five ratios joined by /</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what the host&apos;s own check accepts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not stored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not text) %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value cannot be used (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check stopped at &quot;%1&quot; (stored value &quot;%2&quot;): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was changed; to reset this setting to its default, run: zelsettings reset --store %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not stored in &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a value that is not text: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not accepted (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not accepted (%3); the check would store &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;zelsettings --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--store given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--store needs a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong number of arguments for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json is for &apos;list&apos; only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list, check, get, set or reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The INI settings file to work on (created when missing, except by get and list); default: the viewer&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list: one JSON array, for scripts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library&apos;s version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was changed; to keep a copy of this file and start again from the settings that can be read, run: zelsettings check --recover --store %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check: keep a damaged store as a copy and start it again from the settings that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--recover is for &apos;check&apos; only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked by &quot;%2&quot;; nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(locked by %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
