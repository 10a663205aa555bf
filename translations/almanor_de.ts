<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Artwork</name>
    <message>
        <source>Day planner · version 4</source>
        <translation>Tagesplaner · Version 4</translation>
    </message>
</context>
<context>
    <name>CalendarFace</name>
    <message>
        <source>DAY PLANNER</source>
        <translation>TAGESPLANER</translation>
    </message>
    <message>
        <source>alarm:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>about</source>
        <translation>info</translation>
    </message>
    <message>
        <source>options</source>
        <translation>optionen</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>view</source>
        <translation>zeigen</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>creating a temporary file</source>
        <translation>Anlegen einer temporären Datei</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>flushing to the disk</source>
        <translation>Übertragen auf die Festplatte</translation>
    </message>
    <message>
        <source>closing the temporary file</source>
        <translation>Schließen der temporären Datei</translation>
    </message>
    <message>
        <source>replacing the old file</source>
        <translation>Ersetzen der alten Datei</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 (%2 failed for %3)</source>
        <translation>%1 (%2 für %3 fehlgeschlagen)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1: die Datei existiert nicht</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Almanor</source>
        <translation>Almanor</translation>
    </message>
</context>
<context>
    <name>NoteMessages</name>
    <message>
        <source>No Note Files Were Found To Delete!</source>
        <translation>Es wurden keine Notizdateien zum Löschen gefunden!</translation>
    </message>
    <message>
        <source>The note file %1 is not a regular file.</source>
        <translation>Die Notizdatei %1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The note file %1 is too large to be a note.</source>
        <translation>Die Notizdatei %1 ist zu groß für eine Notiz.</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read (%2).</source>
        <translation>Die Notizdatei %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The note file %1 is incomplete (it holds fewer than four fields).</source>
        <translation>Die Notizdatei %1 ist unvollständig (sie enthält weniger als vier Felder).</translation>
    </message>
    <message>
        <source>The note file %1 is not a note (it does not begin with &quot;dailynotes&quot;).</source>
        <translation>Die Notizdatei %1 ist keine Notiz (sie beginnt nicht mit „dailynotes“).</translation>
    </message>
    <message>
        <source>The note file %1 holds text outside its four fields, which saving would lose.</source>
        <translation>Die Notizdatei %1 enthält Text außerhalb ihrer vier Felder, der beim Speichern verloren ginge.</translation>
    </message>
    <message>
        <source>The emptied note for %1 could not be removed (%2).</source>
        <translation>Die geleerte Notiz vom %1 konnte nicht entfernt werden (%2).</translation>
    </message>
    <message>
        <source>The note for %1 could not be saved: %2.</source>
        <translation>Die Notiz vom %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>too many texts were kept aside for %1</source>
        <translation>für den %1 wurden zu viele Texte beiseitegelegt</translation>
    </message>
    <message>
        <source>The note for %1 could not be deleted (%2).</source>
        <translation>Die Notiz vom %1 konnte nicht gelöscht werden (%2).</translation>
    </message>
    <message>
        <source>The note files could not be listed (%1).</source>
        <translation>Die Notizdateien konnten nicht aufgelistet werden (%1).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of %2 note files could not be deleted: %3.</source>
        <translation>%1 von %2 Notizdateien konnten nicht gelöscht werden: %3.</translation>
    </message>
    <message>
        <source>The Note For %1 Could Not Be Deleted!

%2: %3</source>
        <translation>Die Notiz vom %1 konnte nicht gelöscht werden!

%2: %3</translation>
    </message>
    <message>
        <source>The Note For %1 Was Not Found!</source>
        <translation>Die Notiz vom %1 wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>The note file %1 cannot go to the trash and will be deleted for good (as will any other note of this delete that the trash cannot take).</source>
        <translation>Die Notizdatei %1 kann nicht in den Papierkorb und wird endgültig gelöscht (wie jede andere Notiz dieses Löschens, die der Papierkorb nicht aufnehmen kann).</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>it cannot go to the trash</source>
        <translation>sie kann nicht in den Papierkorb</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n notes older than %1 days? They go to the trash.</source>
        <translation>
            <numerusform>%n Notiz löschen, die älter als %1 Tage ist? Sie kommt in den Papierkorb.</numerusform>
            <numerusform>%n Notizen löschen, die älter als %1 Tage sind? Sie kommen in den Papierkorb.</numerusform>
        </translation>
    </message>
    <message>
        <source>These deleted notes could not be brought back: %1.</source>
        <translation>Diese gelöschten Notizen konnten nicht zurückgeholt werden: %1.</translation>
    </message>
    <message>
        <source>The other version %1 could not be merged into the note for %2.</source>
        <translation>Die andere Fassung %1 konnte nicht in die Notiz vom %2 übernommen werden.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Almanor already runs on this folder (process %1) but does not answer</source>
        <translation>Almanor läuft bereits in diesem Ordner (Prozess %1), antwortet aber nicht</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the standard settings are used.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2), daher gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Usage: almanor [--show | --hide | --toggle | --today | --help | --version]
  --show     bring the calendar window out (starts Almanor if needed)
  --hide     slide the calendar window away
  --toggle   slide the window out, or away when it is out
  --today    bring the window out on today&apos;s note
  --help     show this text
  --version  show the version of Almanor
</source>
        <translation>Aufruf: almanor [--show | --hide | --toggle | --today | --help | --version]
  --show     das Kalenderfenster hervorholen (startet Almanor, wenn nötig)
  --hide     das Kalenderfenster wegschieben
  --toggle   das Fenster hervorholen oder, wenn es da ist, wegschieben
  --today    das Fenster mit der Notiz von heute hervorholen
  --help     diesen Text zeigen
  --version  die Version von Almanor zeigen
</translation>
    </message>
    <message>
        <source>almanor: unknown or extra option %1 (see almanor --help)
</source>
        <translation>almanor: unbekannte oder überzählige Option %1 (siehe almanor --help)
</translation>
    </message>
    <message>
        <source>almanor: Almanor is not running
</source>
        <translation>almanor: Almanor läuft nicht
</translation>
    </message>
    <message>
        <source>Almanor waits at the right edge of the screen: touch the edge or double-click this icon to bring it back.</source>
        <translation>Almanor wartet am rechten Bildschirmrand: Berühren Sie den Rand oder doppelklicken Sie auf dieses Symbol, um es zurückzuholen.</translation>
    </message>
    <message>
        <source>Almanor waits at the right edge of the screen: touch the edge to bring it back.</source>
        <translation>Almanor wartet am rechten Bildschirmrand: Berühren Sie den Rand, um es zurückzuholen.</translation>
    </message>
</context>
<context>
    <name>QtHelpViewer</name>
    <message>
        <source>Almanor Help</source>
        <translation>Almanor-Hilfe</translation>
    </message>
</context>
<context>
    <name>QtTrayIcon</name>
    <message>
        <source>Double Click or Right Click</source>
        <translation>Doppelklick oder Rechtsklick</translation>
    </message>
</context>
<context>
    <name>SoundFiles</name>
    <message>
        <source>No sound file is chosen.</source>
        <translation>Es ist keine Tondatei gewählt.</translation>
    </message>
    <message>
        <source>The sound file %1 cannot be found.</source>
        <translation>Die Tondatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is not a wave file that can be played.</source>
        <translation>%1 ist keine abspielbare WAV-Datei.</translation>
    </message>
    <message>
        <source>%1 could not be played: no sound output is available.</source>
        <translation>%1 konnte nicht abgespielt werden: Es gibt keine Tonausgabe.</translation>
    </message>
</context>
<context>
    <name>almanor::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>For more information visit -</source>
        <translation>Weitere Informationen unter -</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Zum Besuchen klicken</translation>
    </message>
    <message>
        <source>Visit %1</source>
        <translation>%1 besuchen</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notizen: %1</translation>
    </message>
</context>
<context>
    <name>almanor::AlarmTicker</name>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>day of the week, date, time</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Alarm – %1</translation>
    </message>
    <message>
        <source>Missed alarm – %1</source>
        <translation>Verpasster Alarm – %1</translation>
    </message>
    <message>
        <source>In %1 minutes – %2</source>
        <translation>In %1 Minuten – %2</translation>
    </message>
</context>
<context>
    <name>almanor::AlarmWindow</name>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Schlummern für</translation>
    </message>
</context>
<context>
    <name>almanor::CalendarWindow</name>
    <message>
        <source>%1
Shortcut: %2</source>
        <translation>%1
Tastenkürzel: %2</translation>
    </message>
    <message>
        <source>Almanor</source>
        <translation>Almanor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Alarmzeit</translation>
    </message>
    <message>
        <source>Click to set the alarm time</source>
        <translation>Klicken, um die Alarmzeit einzustellen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>This Note</source>
        <translation>Diese</translation>
    </message>
    <message>
        <source>The Current Time</source>
        <translation>Die aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>Back a month</source>
        <translation>Einen Monat zurück</translation>
    </message>
    <message>
        <source>Back A Month</source>
        <translation>Einen Monat zurück</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Forward a month</source>
        <translation>Einen Monat vor</translation>
    </message>
    <message>
        <source>Forward A Month</source>
        <translation>Einen Monat vor</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Search: %1
On this day: %2</source>
        <translation>Suchen: %1
Jahrestage: %2</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Slide away</source>
        <translation>Wegschieben</translation>
    </message>
    <message>
        <source>Slide Back </source>
        <translation>Wegschieben </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Clear and View act on all notes</source>
        <translation>Löschen und Zeigen wirken auf alle Notizen</translation>
    </message>
    <message>
        <source>Clear and View act on the selected day&apos;s note</source>
        <translation>Löschen und Zeigen wirken auf die Notiz des gewählten Tages</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>its note has %1 characters, too many to show here</source>
        <translation>seine Notiz hat %1 Zeichen, zu viele, um sie hier zu zeigen</translation>
    </message>
    <message>
        <source>This day&apos;s note file cannot be read, so it is left untouched: %1</source>
        <translation>Die Notizdatei dieses Tages kann nicht gelesen werden und bleibt daher unverändert: %1</translation>
    </message>
    <message>
        <source> Your text is still in the window and will be saved as soon as the disk accepts it.</source>
        <translation> Ihr Text steht noch im Fenster und wird gespeichert, sobald der Datenträger ihn annimmt.</translation>
    </message>
    <message>
        <source>Delete All Notes?</source>
        <translation>Alle Notizen löschen?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>The help file could not be opened:
%1
(%2)</source>
        <translation>Die Hilfedatei konnte nicht geöffnet werden:
%1
(%2)</translation>
    </message>
    <message>
        <source>Quit Almanor 4?</source>
        <translation>Almanor 4 beenden?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Press Return or Space, or click, to set the alarm time</source>
        <translation>Eingabe- oder Leertaste drücken oder klicken, um die Alarmzeit einzustellen</translation>
    </message>
    <message>
        <source>Another version of this note exists: Keep both</source>
        <translation>Es gibt eine andere Fassung dieser Notiz: Beide behalten</translation>
    </message>
    <message>
        <source>Note deleted – Ctrl+Z brings it back</source>
        <translation>Notiz gelöscht – Strg+Z holt sie zurück</translation>
    </message>
</context>
<context>
    <name>almanor::MonthCalendar</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>Week %1 of %2</source>
        <translation>Woche %1 von %2</translation>
    </message>
</context>
<context>
    <name>almanor::NoteEdit</name>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>almanor::OptionsWindow</name>
    <message>
        <source>Almanor</source>
        <translation>Almanor</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>Calendar Window Properties</source>
        <translation>Kalenderfenster</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Slide Away On Open</source>
        <translation>Beim Öffnen wegschieben</translation>
    </message>
    <message>
        <source>Open By Moving Mouse</source>
        <translation>Mit der Maus öffnen</translation>
    </message>
    <message>
        <source>Sliding Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>General  Properties</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Alarm ein</translation>
    </message>
    <message>
        <source>Select Alarm Sound</source>
        <translation>Alarmton wählen</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Den Alarmton abspielen</translation>
    </message>
    <message>
        <source>Hourly Chime</source>
        <translation>Stundenschlag</translation>
    </message>
    <message>
        <source>Select Chime Sound</source>
        <translation>Schlagton wählen</translation>
    </message>
    <message>
        <source>Play the chime sound</source>
        <translation>Den Ton des Stundenschlags abspielen</translation>
    </message>
    <message>
        <source>Show Taskbar Icon</source>
        <translation>Symbol im Infobereich zeigen</translation>
    </message>
    <message>
        <source>Warn About Setting Alarm For Old Date/Time</source>
        <translation>Vor Alarm für vergangenes Datum/Uhrzeit warnen</translation>
    </message>
    <message>
        <source>Delete Notes More Than</source>
        <translation>Notizen löschen, älter als</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Days Old</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Open Wav</source>
        <translation>WAV-Datei öffnen</translation>
    </message>
    <message>
        <source>Audio Wav</source>
        <translation>WAV-Audio</translation>
    </message>
    <message>
        <source>Enter how many days of notes to keep before applying &quot;Delete Notes More Than&quot;.</source>
        <translation>Geben Sie an, wie viele Tage Notizen behalten werden, bevor Sie „Notizen löschen, älter als“ übernehmen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t create file %1!
Settings were not saved!
%2</source>
        <translation>Die Datei %1 konnte nicht angelegt werden!
Die Einstellungen wurden nicht gespeichert!
%2</translation>
    </message>
    <message>
        <source>Settings were not saved: %1.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>(after a restart)</source>
        <translation>(nach einem Neustart)</translation>
    </message>
    <message>
        <source>Start Almanor when I log in</source>
        <translation>Almanor bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Starting at login could not be changed: %1.</source>
        <translation>Der Start bei der Anmeldung konnte nicht geändert werden: %1.</translation>
    </message>
    <message>
        <source>Also notify through the desktop</source>
        <translation>Auch über den Desktop benachrichtigen</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>Minuten vorher</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>First day of the week</source>
        <translation>Erster Wochentag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Kalenderwochen zeigen</translation>
    </message>
</context>
<context>
    <name>almanor::OverviewWindow</name>
    <message>
        <source>View All Notes</source>
        <translation>Alle Notizen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Copy List To Clipboard As Text</source>
        <translation>Liste als Text kopieren</translation>
    </message>
    <message>
        <source>Goto Date Of Selected Note</source>
        <translation>Zum Datum der Notiz gehen</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Delete Selected Notes</source>
        <translation>Gewählte Notizen löschen</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Notizen durchsuchen</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>Jahrestage</translation>
    </message>
    <message>
        <source>%1 of %2 notes</source>
        <translation>%1 von %2 Notizen</translation>
    </message>
    <message>
        <source>Delete the selected notes?</source>
        <translation>Die gewählten Notizen löschen?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>A Note Was Not Selected!</source>
        <translation>Es wurde keine Notiz gewählt!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Other versions</source>
        <translation>Andere Fassungen</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>%1  -  another version (%2)</source>
        <translation>%1  -  andere Fassung (%2)</translation>
    </message>
</context>
<context>
    <name>almanor::Preferences</name>
    <message>
        <source>%1 is there but could not be read (%2)</source>
        <translation>%1 ist vorhanden, konnte aber nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>almanor::ShownNoteFile</name>
    <message>
        <source>Another program changed the note file for %1 into one that cannot be read here, so your text was not saved over it, and it could not be kept in a file of its own: %2 Your text:

%3</source>
        <translation>Ein anderes Programm hat die Notizdatei vom %1 so verändert, dass sie hier nicht gelesen werden kann. Ihr Text wurde daher nicht darüber gespeichert, und er konnte auch nicht in einer eigenen Datei aufbewahrt werden: %2 Ihr Text:

%3</translation>
    </message>
    <message>
        <source>Another program changed the note file for %1 into one that cannot be read here, so it is left as it is. Your text is kept in the file &quot;%2&quot; beside the notes.</source>
        <translation>Ein anderes Programm hat die Notizdatei vom %1 so verändert, dass sie hier nicht gelesen werden kann; sie bleibt daher, wie sie ist. Ihr Text wird in der Datei „%2“ neben den Notizen aufbewahrt.</translation>
    </message>
    <message>
        <source>Another program changed the note for %1 while you were writing it, and your text could not be kept beside its version: %2 Your text:

%3</source>
        <translation>Ein anderes Programm hat die Notiz vom %1 geändert, während Sie sie schrieben, und Ihr Text konnte nicht neben dessen Fassung aufbewahrt werden: %2 Ihr Text:

%3</translation>
    </message>
    <message>
        <source>Another program deleted the note for %1 while you were writing it. Your text is kept as the note.</source>
        <translation>Ein anderes Programm hat die Notiz vom %1 gelöscht, während Sie sie schrieben. Ihr Text bleibt als Notiz erhalten.</translation>
    </message>
    <message>
        <source>Another program changed the note for %1 while you were writing it. Both versions are kept: the other program&apos;s first, then yours below the line &quot;%2&quot;.</source>
        <translation>Ein anderes Programm hat die Notiz vom %1 geändert, während Sie sie schrieben. Beide Fassungen bleiben erhalten: zuerst die des anderen Programms, darunter Ihre, unter der Zeile „%2“.</translation>
    </message>
</context>
<context>
    <name>almanor::TimeDialog</name>
    <message>
        <source>Alarm Time</source>
        <translation>Alarmzeit</translation>
    </message>
    <message>
        <source>Enter A Time</source>
        <translation>Uhrzeit eingeben</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Alarmzeit</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; Isn&apos;t A Valid Time!</source>
        <translation>„%1“ ist keine gültige Uhrzeit!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>This date and time is in the past!<byte value="xd"/>
You can set the alarm time for an expired time<byte value="xd"/>
however the alarm will never be triggered.</source>
        <translation>Dieses Datum und diese Uhrzeit liegen in der Vergangenheit!</translation>
    </message>
</context>
<context>
    <name>almanor::TrayMenu</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
</TS>
