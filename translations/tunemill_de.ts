<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ui::CChangeTextDlg</name>
    <message>
        <source>Change item title</source>
        <translation>Titel des Eintrags ändern</translation>
    </message>
    <message>
        <source>The title will be showed in the playlist of the players.</source>
        <translation>Der Titel wird in der Wiedergabeliste der Player angezeigt.</translation>
    </message>
</context>
<context>
    <name>ui::CPage1Mp3</name>
    <message>
        <source>Mp3 file(*.mp3);;Sound files (*.mp3 *.wav *.aif *.aiff *.aifc *.flac *.ogg *.oga *.opus *.raw *.pcm);;All files (*)</source>
        <translation>MP3-Datei (*.mp3);;Audiodateien (*.mp3 *.wav *.aif *.aiff *.aifc *.flac *.ogg *.oga *.opus *.raw *.pcm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Wieder&amp;geben</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Playlist:</source>
        <translation>Wiedergabeliste:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add one or more mp3 files</source>
        <translation>Eine oder mehrere MP3-Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Die ausgewählten Einträge löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>move up current item</source>
        <translation>Den aktuellen Eintrag nach oben schieben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>move down item</source>
        <translation>Den Eintrag nach unten schieben</translation>
    </message>
    <message>
        <source>Change title</source>
        <translation>Titel ändern</translation>
    </message>
    <message>
        <source>Change item title, title will be showed in playlist</source>
        <translation>Den Titel des Eintrags ändern; er wird in der Wiedergabeliste angezeigt</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergeben</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Change Title...</source>
        <translation>Titel ändern...</translation>
    </message>
    <message>
        <source>NO Input Devices Found..</source>
        <translation>Keine Eingabegeräte gefunden.</translation>
    </message>
    <message>
        <source>Converting mp3</source>
        <translation>MP3 wird umgewandelt</translation>
    </message>
    <message>
        <source>Convert mp3</source>
        <translation>In MP3 umwandeln</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Diese Dateien wurden nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>The recording cannot be converted to MP3: %1</source>
        <translation>Die Aufnahme kann nicht in MP3 umgewandelt werden: %1</translation>
    </message>
    <message>
        <source>Please add some mp3 files to the playlist!</source>
        <translation>Bitte fügen Sie der Wiedergabeliste MP3-Dateien hinzu!</translation>
    </message>
</context>
<context>
    <name>ui::CPage2Player</name>
    <message>
        <source>Play start</source>
        <translation>Von selbst starten</translation>
    </message>
    <message>
        <source>Play next auto</source>
        <translation>Nächsten Titel von selbst spielen</translation>
    </message>
    <message>
        <source>Loop playlist</source>
        <translation>Wiedergabeliste wiederholen</translation>
    </message>
    <message>
        <source>Shuffle playlist</source>
        <translation>Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Play &amp;&amp; playlist Setting</source>
        <translation>Wiedergabe &amp;&amp; Wiedergabeliste</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Player:</translation>
    </message>
</context>
<context>
    <name>ui::CPage4Folder</name>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Generate HTML page</source>
        <translation>HTML-Seite erzeugen</translation>
    </message>
    <message>
        <source>Add the player runtime, so that the page plays in browsers without Flash</source>
        <translation>Die Laufzeitumgebung des Players beilegen, damit die Seite in Browsern ohne Flash spielt</translation>
    </message>
    <message>
        <source>Publish Folder:</source>
        <translation>Zielordner:</translation>
    </message>
</context>
<context>
    <name>ui::CPage5Progress</name>
    <message>
        <source>Converting... 
It make take several minutes, please be patient.</source>
        <translation>Umwandlung läuft... 
Das kann einige Minuten dauern, bitte haben Sie etwas Geduld.</translation>
    </message>
</context>
<context>
    <name>ui::CPage6Finish</name>
    <message>
        <source>Conversion Complete!</source>
        <translation>Umwandlung abgeschlossen!</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>F&amp;eed Back</source>
        <translation>&amp;Rückmeldung</translation>
    </message>
    <message>
        <source>Are you satisfied with the output quality? if not, please click &quot;Feedbak&quot; to send us some suggests.</source>
        <translation>Sind Sie mit der Qualität zufrieden? Wenn nicht, klicken Sie auf „Rückmeldung“ und schicken Sie uns Ihre Vorschläge.</translation>
    </message>
</context>
<context>
    <name>ui::CWaitDialog</name>
    <message>
        <source>It make take several minutes

Please be patient.</source>
        <translation>Das kann einige Minuten dauern.

Bitte haben Sie etwas Geduld.</translation>
    </message>
</context>
<context>
    <name>ui::CWizard</name>
    <message>
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Tunemill is publishing. Open the files again when it is done:</source>
        <translation>Tunemill veröffentlicht gerade. Öffnen Sie die Dateien noch einmal, wenn es fertig ist:</translation>
    </message>
</context>
<context>
    <name>ui::Watermark</name>
    <message>
        <source>your music on the web</source>
        <translation>Ihre Musik im Web</translation>
    </message>
</context>
</TS>
