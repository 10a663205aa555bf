<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Artwork</name>
    <message>
        <source>Day planner · version 4</source>
        <translation>Agenda · version 4</translation>
    </message>
</context>
<context>
    <name>CalendarFace</name>
    <message>
        <source>DAY PLANNER</source>
        <translation>AGENDA</translation>
    </message>
    <message>
        <source>alarm:</source>
        <translation>alarme :</translation>
    </message>
    <message>
        <source>about</source>
        <translation>à propos</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>view</source>
        <translation>voir</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>creating a temporary file</source>
        <translation>la création d&apos;un fichier temporaire</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>l&apos;écriture</translation>
    </message>
    <message>
        <source>flushing to the disk</source>
        <translation>la synchronisation avec le disque</translation>
    </message>
    <message>
        <source>closing the temporary file</source>
        <translation>la fermeture du fichier temporaire</translation>
    </message>
    <message>
        <source>replacing the old file</source>
        <translation>la substitution de l&apos;ancien fichier</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>l&apos;enregistrement</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop volumineux</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>%1 (%2 failed for %3)</source>
        <translation>%1 (échec de %2 pour %3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1 : le fichier n&apos;existe pas</translation>
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
        <translation>Aucun fichier de note à supprimer n&apos;a été trouvé !</translation>
    </message>
    <message>
        <source>The note file %1 is not a regular file.</source>
        <translation>Le fichier de note %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The note file %1 is too large to be a note.</source>
        <translation>Le fichier de note %1 est trop volumineux pour être une note.</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read (%2).</source>
        <translation>Le fichier de note %1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>The note file %1 is incomplete (it holds fewer than four fields).</source>
        <translation>Le fichier de note %1 est incomplet (il contient moins de quatre champs).</translation>
    </message>
    <message>
        <source>The note file %1 is not a note (it does not begin with &quot;dailynotes&quot;).</source>
        <translation>Le fichier de note %1 n&apos;est pas une note (il ne commence pas par « dailynotes »).</translation>
    </message>
    <message>
        <source>The note file %1 holds text outside its four fields, which saving would lose.</source>
        <translation>Le fichier de note %1 contient du texte hors de ses quatre champs, que l&apos;enregistrement ferait perdre.</translation>
    </message>
    <message>
        <source>The emptied note for %1 could not be removed (%2).</source>
        <translation>La note vidée du %1 n’a pas pu être supprimée (%2).</translation>
    </message>
    <message>
        <source>The note for %1 could not be saved: %2.</source>
        <translation>La note du %1 n&apos;a pas pu être enregistrée : %2.</translation>
    </message>
    <message>
        <source>too many texts were kept aside for %1</source>
        <translation>trop de textes ont été mis de côté pour le %1</translation>
    </message>
    <message>
        <source>The note for %1 could not be deleted (%2).</source>
        <translation>La note du %1 n&apos;a pas pu être supprimée (%2).</translation>
    </message>
    <message>
        <source>The note files could not be listed (%1).</source>
        <translation>Les fichiers de notes n&apos;ont pas pu être listés (%1).</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of %2 note files could not be deleted: %3.</source>
        <translation>%1 des %2 fichiers de notes n&apos;ont pas pu être supprimés : %3.</translation>
    </message>
    <message>
        <source>The Note For %1 Could Not Be Deleted!

%2: %3</source>
        <translation>La note du %1 n&apos;a pas pu être supprimée !

%2 : %3</translation>
    </message>
    <message>
        <source>The Note For %1 Was Not Found!</source>
        <translation>La note du %1 est introuvable !</translation>
    </message>
    <message>
        <source>The note file %1 cannot go to the trash and will be deleted for good (as will any other note of this delete that the trash cannot take).</source>
        <translation>Le fichier de note %1 ne peut pas aller à la corbeille et sera supprimé définitivement (comme toute autre note de cette suppression que la corbeille ne peut pas recevoir).</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>it cannot go to the trash</source>
        <translation>il ne peut pas aller à la corbeille</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n notes older than %1 days? They go to the trash.</source>
        <translation>
            <numerusform>Supprimer %n note de plus de %1 jours ? Elle ira à la corbeille.</numerusform>
            <numerusform>Supprimer %n notes de plus de %1 jours ? Elles iront à la corbeille.</numerusform>
        </translation>
    </message>
    <message>
        <source>These deleted notes could not be brought back: %1.</source>
        <translation>Ces notes supprimées n’ont pas pu être rétablies : %1.</translation>
    </message>
    <message>
        <source>The other version %1 could not be merged into the note for %2.</source>
        <translation>L’autre version %1 n’a pas pu être fusionnée dans la note du %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Almanor already runs on this folder (process %1) but does not answer</source>
        <translation>Almanor tourne déjà sur ce dossier (processus %1) mais ne répond pas</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the standard settings are used.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu (%2) : les réglages standard sont utilisés.</translation>
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
        <translation>Usage : almanor [--show | --hide | --toggle | --today | --help | --version]
  --show     faire sortir la fenêtre du calendrier (lance Almanor si besoin)
  --hide     escamoter la fenêtre du calendrier
  --toggle   faire sortir la fenêtre, ou l’escamoter si elle est sortie
  --today    faire sortir la fenêtre sur la note du jour
  --help     afficher ce texte
  --version  afficher la version d’Almanor
</translation>
    </message>
    <message>
        <source>almanor: unknown or extra option %1 (see almanor --help)
</source>
        <translation>almanor : option inconnue ou en trop %1 (voir almanor --help)
</translation>
    </message>
    <message>
        <source>almanor: Almanor is not running
</source>
        <translation>almanor : Almanor n’est pas lancé
</translation>
    </message>
    <message>
        <source>Almanor waits at the right edge of the screen: touch the edge or double-click this icon to bring it back.</source>
        <translation>Almanor attend au bord droit de l’écran : touchez le bord ou double-cliquez sur cette icône pour le faire revenir.</translation>
    </message>
    <message>
        <source>Almanor waits at the right edge of the screen: touch the edge to bring it back.</source>
        <translation>Almanor attend au bord droit de l’écran : touchez le bord pour le faire revenir.</translation>
    </message>
</context>
<context>
    <name>QtHelpViewer</name>
    <message>
        <source>Almanor Help</source>
        <translation>Aide d’Almanor</translation>
    </message>
</context>
<context>
    <name>QtTrayIcon</name>
    <message>
        <source>Double Click or Right Click</source>
        <translation>Double-clic ou clic droit</translation>
    </message>
</context>
<context>
    <name>SoundFiles</name>
    <message>
        <source>No sound file is chosen.</source>
        <translation>Aucun fichier son n’est choisi.</translation>
    </message>
    <message>
        <source>The sound file %1 cannot be found.</source>
        <translation>Le fichier son %1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 is not a wave file that can be played.</source>
        <translation>%1 n’est pas un fichier WAV lisible.</translation>
    </message>
    <message>
        <source>%1 could not be played: no sound output is available.</source>
        <translation>%1 n’a pas pu être lu : aucune sortie audio n’est disponible.</translation>
    </message>
</context>
<context>
    <name>almanor::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>For more information visit -</source>
        <translation>Plus d&apos;informations sur -</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Cliquer pour visiter</translation>
    </message>
    <message>
        <source>Visit %1</source>
        <translation>Visiter %1</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notes : %1</translation>
    </message>
</context>
<context>
    <name>almanor::AlarmTicker</name>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>day of the week, date, time</comment>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Alarme – %1</translation>
    </message>
    <message>
        <source>Missed alarm – %1</source>
        <translation>Alarme manquée – %1</translation>
    </message>
    <message>
        <source>In %1 minutes – %2</source>
        <translation>Dans %1 minutes – %2</translation>
    </message>
</context>
<context>
    <name>almanor::AlarmWindow</name>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Répéter dans</translation>
    </message>
</context>
<context>
    <name>almanor::CalendarWindow</name>
    <message>
        <source>%1
Shortcut: %2</source>
        <translation>%1
Raccourci : %2</translation>
    </message>
    <message>
        <source>Almanor</source>
        <translation>Almanor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Click to set the alarm time</source>
        <translation>Cliquer pour régler l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>This Note</source>
        <translation>Cette note</translation>
    </message>
    <message>
        <source>The Current Time</source>
        <translation>L&apos;heure actuelle</translation>
    </message>
    <message>
        <source>Back a month</source>
        <translation>Un mois en arrière</translation>
    </message>
    <message>
        <source>Back A Month</source>
        <translation>Un mois en arrière</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Forward a month</source>
        <translation>Un mois en avant</translation>
    </message>
    <message>
        <source>Forward A Month</source>
        <translation>Un mois en avant</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Search: %1
On this day: %2</source>
        <translation>Rechercher : %1
Ce jour-là : %2</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Slide away</source>
        <translation>Escamoter</translation>
    </message>
    <message>
        <source>Slide Back </source>
        <translation>Escamoter </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Clear and View act on all notes</source>
        <translation>Effacer et Voir agissent sur toutes les notes</translation>
    </message>
    <message>
        <source>Clear and View act on the selected day&apos;s note</source>
        <translation>Effacer et Voir agissent sur la note du jour choisi</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>its note has %1 characters, too many to show here</source>
        <translation>sa note compte %1 caractères, trop pour être affichée ici</translation>
    </message>
    <message>
        <source>This day&apos;s note file cannot be read, so it is left untouched: %1</source>
        <translation>Le fichier de note de ce jour ne peut pas être lu, il reste donc intact : %1</translation>
    </message>
    <message>
        <source> Your text is still in the window and will be saved as soon as the disk accepts it.</source>
        <translation> Votre texte est toujours dans la fenêtre et sera enregistré dès que le disque l’acceptera.</translation>
    </message>
    <message>
        <source>Delete All Notes?</source>
        <translation>Supprimer toutes les notes ?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>The help file could not be opened:
%1
(%2)</source>
        <translation>Le fichier d&apos;aide n&apos;a pas pu être ouvert :
%1
(%2)</translation>
    </message>
    <message>
        <source>Quit Almanor 4?</source>
        <translation>Quitter Almanor 4 ?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quitter ?</translation>
    </message>
    <message>
        <source>Press Return or Space, or click, to set the alarm time</source>
        <translation>Appuyer sur Entrée ou Espace, ou cliquer, pour régler l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Another version of this note exists: Keep both</source>
        <translation>Il existe une autre version de cette note : Garder les deux</translation>
    </message>
    <message>
        <source>Note deleted – Ctrl+Z brings it back</source>
        <translation>Note supprimée – Ctrl+Z la rétablit</translation>
    </message>
</context>
<context>
    <name>almanor::MonthCalendar</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <source>Week %1 of %2</source>
        <translation>Semaine %1 de %2</translation>
    </message>
</context>
<context>
    <name>almanor::NoteEdit</name>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
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
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>Calendar Window Properties</source>
        <translation>Fenêtre du calendrier</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Slide Away On Open</source>
        <translation>Escamoter à l’ouverture</translation>
    </message>
    <message>
        <source>Open By Moving Mouse</source>
        <translation>Ouvrir en passant la souris</translation>
    </message>
    <message>
        <source>Sliding Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>General  Properties</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Enable Alarm</source>
        <translation>Alarme active</translation>
    </message>
    <message>
        <source>Select Alarm Sound</source>
        <translation>Son de l&apos;alarme</translation>
    </message>
    <message>
        <source>Play the alarm sound</source>
        <translation>Écouter le son de l&apos;alarme</translation>
    </message>
    <message>
        <source>Hourly Chime</source>
        <translation>Carillon horaire</translation>
    </message>
    <message>
        <source>Select Chime Sound</source>
        <translation>Son du carillon</translation>
    </message>
    <message>
        <source>Play the chime sound</source>
        <translation>Écouter le son du carillon</translation>
    </message>
    <message>
        <source>Show Taskbar Icon</source>
        <translation>Icône dans la zone de notification</translation>
    </message>
    <message>
        <source>Warn About Setting Alarm For Old Date/Time</source>
        <translation>Avertir si l’alarme est réglée dans le passé</translation>
    </message>
    <message>
        <source>Delete Notes More Than</source>
        <translation>Supprimer les notes de plus de</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Days Old</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Open Wav</source>
        <translation>Ouvrir un fichier WAV</translation>
    </message>
    <message>
        <source>Audio Wav</source>
        <translation>Audio WAV</translation>
    </message>
    <message>
        <source>Enter how many days of notes to keep before applying &quot;Delete Notes More Than&quot;.</source>
        <translation>Indiquez combien de jours de notes garder avant d’appliquer « Supprimer les notes de plus de ».</translation>
    </message>
    <message>
        <source>Couldn&apos;t create file %1!
Settings were not saved!
%2</source>
        <translation>Impossible de créer le fichier %1 !
Les réglages n&apos;ont pas été enregistrés !
%2</translation>
    </message>
    <message>
        <source>Settings were not saved: %1.</source>
        <translation>Les réglages n&apos;ont pas été enregistrés : %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>(after a restart)</source>
        <translation>(après un redémarrage)</translation>
    </message>
    <message>
        <source>Start Almanor when I log in</source>
        <translation>Lancer Almanor à l’ouverture de session</translation>
    </message>
    <message>
        <source>Starting at login could not be changed: %1.</source>
        <translation>Le lancement à l’ouverture de session n’a pas pu être modifié : %1.</translation>
    </message>
    <message>
        <source>Also notify through the desktop</source>
        <translation>Notifier aussi par le bureau</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>minutes before</source>
        <translation>minutes avant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>First day of the week</source>
        <translation>Premier jour de la semaine</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Numéros de semaine</translation>
    </message>
</context>
<context>
    <name>almanor::OverviewWindow</name>
    <message>
        <source>View All Notes</source>
        <translation>Toutes les notes</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Copy List To Clipboard As Text</source>
        <translation>Copier la liste en texte</translation>
    </message>
    <message>
        <source>Goto Date Of Selected Note</source>
        <translation>Aller à la date de la note</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Delete Selected Notes</source>
        <translation>Supprimer les notes choisies</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Rechercher dans les notes</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>Ce jour-là</translation>
    </message>
    <message>
        <source>%1 of %2 notes</source>
        <translation>%1 notes sur %2</translation>
    </message>
    <message>
        <source>Delete the selected notes?</source>
        <translation>Supprimer les notes choisies ?</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>A Note Was Not Selected!</source>
        <translation>Aucune note n&apos;a été choisie !</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Other versions</source>
        <translation>Autres versions</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>%1  -  another version (%2)</source>
        <translation>%1  -  autre version (%2)</translation>
    </message>
</context>
<context>
    <name>almanor::Preferences</name>
    <message>
        <source>%1 is there but could not be read (%2)</source>
        <translation>%1 existe mais n&apos;a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>almanor::ShownNoteFile</name>
    <message>
        <source>Another program changed the note file for %1 into one that cannot be read here, so your text was not saved over it, and it could not be kept in a file of its own: %2 Your text:

%3</source>
        <translation>Un autre programme a modifié le fichier de note du %1 de telle sorte qu&apos;il ne peut plus être lu ici : votre texte n&apos;a donc pas été enregistré par-dessus, et il n&apos;a pas pu être gardé dans un fichier à part : %2 Votre texte :

%3</translation>
    </message>
    <message>
        <source>Another program changed the note file for %1 into one that cannot be read here, so it is left as it is. Your text is kept in the file &quot;%2&quot; beside the notes.</source>
        <translation>Un autre programme a modifié le fichier de note du %1 de telle sorte qu&apos;il ne peut plus être lu ici : il reste donc tel quel. Votre texte est gardé dans le fichier « %2 » à côté des notes.</translation>
    </message>
    <message>
        <source>Another program changed the note for %1 while you were writing it, and your text could not be kept beside its version: %2 Your text:

%3</source>
        <translation>Un autre programme a modifié la note du %1 pendant que vous l&apos;écriviez, et votre texte n&apos;a pas pu être gardé à côté de sa version : %2 Votre texte :

%3</translation>
    </message>
    <message>
        <source>Another program deleted the note for %1 while you were writing it. Your text is kept as the note.</source>
        <translation>Un autre programme a supprimé la note du %1 pendant que vous l&apos;écriviez. Votre texte est gardé comme note.</translation>
    </message>
    <message>
        <source>Another program changed the note for %1 while you were writing it. Both versions are kept: the other program&apos;s first, then yours below the line &quot;%2&quot;.</source>
        <translation>Un autre programme a modifié la note du %1 pendant que vous l&apos;écriviez. Les deux versions sont gardées : d&apos;abord celle de l&apos;autre programme, puis la vôtre sous la ligne « %2 ».</translation>
    </message>
</context>
<context>
    <name>almanor::TimeDialog</name>
    <message>
        <source>Alarm Time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Enter A Time</source>
        <translation>Entrez une heure</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Exemples :</translation>
    </message>
    <message>
        <source>&apos;%1&apos; Isn&apos;t A Valid Time!</source>
        <translation>« %1 » n&apos;est pas une heure valide !</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Oups !</translation>
    </message>
    <message>
        <source>This date and time is in the past!<byte value="xd"/>
You can set the alarm time for an expired time<byte value="xd"/>
however the alarm will never be triggered.</source>
        <translation>Cette date et cette heure sont dans le passé !</translation>
    </message>
</context>
<context>
    <name>almanor::TrayMenu</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
</TS>
