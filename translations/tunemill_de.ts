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
    <message>
        <source>Mp3 file(*.mp3)</source>
        <translation>MP3-Datei (*.mp3)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>The tracks in the order the player plays them. Delete removes, Ctrl+Up and Ctrl+Down move, F2 changes the title, Insert or Ctrl+O adds files.</source>
        <translation>Die Titel in der Reihenfolge, in der der Player sie spielt. Entf entfernt, Strg+Pfeil hoch und Strg+Pfeil runter verschieben, F2 ändert den Titel, Einfg oder Strg+O fügt Dateien hinzu.</translation>
    </message>
    <message>
        <source>Recording quality</source>
        <translation>Aufnahmequalität</translation>
    </message>
    <message>
        <source>The rate and channels of the next recording.</source>
        <translation>Abtastrate und Kanäle der nächsten Aufnahme.</translation>
    </message>
    <message>
        <source>Starts recording from the sound card; pressed again, stops and adds the recording to the playlist.</source>
        <translation>Startet die Aufnahme von der Soundkarte; erneut gedrückt, beendet sie sie und fügt sie der Wiedergabeliste hinzu.</translation>
    </message>
    <message>
        <source>Plays the selected track.</source>
        <translation>Spielt den ausgewählten Titel.</translation>
    </message>
    <message>
        <source>There is no sound output to play on.</source>
        <translation>Es gibt keine Tonausgabe, auf der gespielt werden kann.</translation>
    </message>
    <message>
        <source>: control characters were removed from the title.</source>
        <translation>: Steuerzeichen wurden aus dem Titel entfernt.</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Der Titel</translation>
    </message>
    <message>
        <source>Sound files and playlists (%1)</source>
        <translation>Audiodateien und Wiedergabelisten (%1)</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>Playlists (%1)</source>
        <translation>Wiedergabelisten (%1)</translation>
    </message>
    <message>
        <source>No timed lyrics: a .lrc file of the same name beside the sound file gives them.</source>
        <translation>Kein zeitgesteuerter Liedtext: Eine .lrc-Datei gleichen Namens neben der Audiodatei liefert ihn.</translation>
    </message>
    <message>
        <source>Timed lyrics from the file %1</source>
        <translation>Zeitgesteuerter Liedtext aus der Datei %1</translation>
    </message>
    <message>
        <source>Timed lyrics from the ID3v2 SYLT frame</source>
        <translation>Zeitgesteuerter Liedtext aus dem ID3v2-SYLT-Frame</translation>
    </message>
    <message>
        <source>Timed lyrics from the APE Lyrics item</source>
        <translation>Zeitgesteuerter Liedtext aus dem APE-Eintrag Lyrics</translation>
    </message>
    <message>
        <source>Timed lyrics from the %1 tag</source>
        <translation>Zeitgesteuerter Liedtext aus dem Tag %1</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Liedtext</translation>
    </message>
    <message>
        <source>No lyrics</source>
        <translation>Kein Liedtext</translation>
    </message>
    <message>
        <source>Which tracks have timed lyrics; point at a mark to see from where.</source>
        <translation>Welche Titel zeitgesteuerten Liedtext haben; zeigen Sie auf eine Markierung, um zu sehen, woher er stammt.</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Add the sound files of a folder and the folders in it</source>
        <translation>Die Audiodateien eines Ordners und der Ordner darin hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;folder…</source>
        <translation>O&amp;rdner hinzufügen…</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>%1: %2 %3, skipped</source>
        <translation>%1: %2 %3, übersprungen</translation>
    </message>
    <message>
        <source>%1: holds no sound files</source>
        <translation>%1: enthält keine Audiodateien</translation>
    </message>
    <message>
        <source>%1: its lyrics cannot be written to %2; it is published without them.</source>
        <translation>%1: Der Liedtext kann nicht nach %2 geschrieben werden; der Titel wird ohne ihn veröffentlicht.</translation>
    </message>
    <message>
        <source>: the title is not UTF-8; its bytes are read as Latin-1.</source>
        <translation>: Der Titel ist kein UTF-8; seine Bytes werden als Latin-1 gelesen.</translation>
    </message>
    <message>
        <source>%1: the lyrics file %2 is over %3 MB, longer than any lyrics file; it is not read.</source>
        <translation>%1: Die Liedtextdatei %2 ist größer als %3 MB, länger als jede Liedtextdatei; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>%1: the lyrics file %2 %3; it is not read.</source>
        <translation>%1: Die Liedtextdatei %2: %3; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>%1: the cache %2 cannot keep its conversion (%3); it is converted again next time.</source>
        <translation>%1: Der Zwischenspeicher %2 kann die Umwandlung nicht aufbewahren (%3); sie wird beim nächsten Mal erneut gemacht.</translation>
    </message>
    <message>
        <source>The playlist cannot be saved in %1: %2</source>
        <translation>Die Wiedergabeliste kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Record stopped.</source>
        <translation>Aufnahme beendet.</translation>
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
    <message>
        <source>Player skin</source>
        <translation>Player-Design</translation>
    </message>
    <message>
        <source>The look of the published player; the preview below shows it.</source>
        <translation>Das Aussehen des veröffentlichten Players; die Vorschau darunter zeigt es.</translation>
    </message>
    <message>
        <source>The player starts playing when its page opens.</source>
        <translation>Der Player beginnt zu spielen, wenn seine Seite geöffnet wird.</translation>
    </message>
    <message>
        <source>The player goes on to the next track by itself.</source>
        <translation>Der Player geht von selbst zum nächsten Titel weiter.</translation>
    </message>
    <message>
        <source>After the last track the player starts again at the first.</source>
        <translation>Nach dem letzten Titel beginnt der Player wieder beim ersten.</translation>
    </message>
    <message>
        <source>The player plays the tracks in a random order.</source>
        <translation>Der Player spielt die Titel in zufälliger Reihenfolge.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The playlist&apos;s title, shown by the player.</source>
        <translation>Der Titel der Wiedergabeliste, den der Player zeigt.</translation>
    </message>
    <message>
        <source>Skin preview</source>
        <translation>Design-Vorschau</translation>
    </message>
    <message>
        <source>The chosen skin as it will play.</source>
        <translation>Das gewählte Design, wie es spielen wird.</translation>
    </message>
    <message>
        <source>Control characters were removed from the playlist title.</source>
        <translation>Steuerzeichen wurden aus dem Titel der Wiedergabeliste entfernt.</translation>
    </message>
    <message>
        <source>Timed lyrics</source>
        <translation>Zeitgesteuerter Liedtext</translation>
    </message>
    <message>
        <source>The tracks carry the timed lyrics found for them, which the Real-like skin shows.</source>
        <translation>Die Titel enthalten den für sie gefundenen zeitgesteuerten Liedtext, den der Real-like-Skin anzeigt.</translation>
    </message>
    <message>
        <source>The skins cannot be written into %1: %2</source>
        <translation>Die Designs können nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The skins cannot be shown: no web server could be started on 127.0.0.1.</source>
        <translation>Die Designs können nicht angezeigt werden: Auf 127.0.0.1 konnte kein Webserver gestartet werden.</translation>
    </message>
    <message>
        <source>The player choices cannot be saved in %1: %2</source>
        <translation>Die Einstellungen des Players können nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ui::CPage4Folder</name>
    <message>
        <source>The publish was cancelled; %1 is unchanged.</source>
        <translation>Das Veröffentlichen wurde abgebrochen; %1 ist unverändert.</translation>
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
    <message>
        <source>B&amp;rowser</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Publish Folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>The player is published into this folder.</source>
        <translation>Der Player wird in diesen Ordner veröffentlicht.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Picks the folder inside which the Tunemill folder is published.</source>
        <translation>Wählt den Ordner, in dem der Tunemill-Ordner veröffentlicht wird.</translation>
    </message>
    <message>
        <source>Publishes a web page that shows the player.</source>
        <translation>Veröffentlicht eine Webseite, die den Player zeigt.</translation>
    </message>
    <message>
        <source>Add the player runtime</source>
        <translation>Laufzeitumgebung beilegen</translation>
    </message>
    <message>
        <source>Copies the runtime that plays the player in browsers without Flash beside the page.</source>
        <translation>Legt die Laufzeitumgebung, die den Player in Browsern ohne Flash spielt, neben die Seite.</translation>
    </message>
    <message>
        <source>The folder and page choices cannot be saved in %1: %2</source>
        <translation>Die Einstellungen zu Ordner und Seite können nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Add an .htaccess file so Apache hosts serve the player compressed and cached</source>
        <translation>Eine .htaccess-Datei beilegen, damit Apache-Server den Player komprimiert ausliefern und Browser ihn zwischenspeichern</translation>
    </message>
    <message>
        <source>Add an .htaccess file</source>
        <translation>Eine .htaccess-Datei beilegen</translation>
    </message>
    <message>
        <source>Writes the settings with which Apache hosts send the runtime compressed and let browsers keep the player&apos;s files.</source>
        <translation>Schreibt die Einstellungen, mit denen Apache-Server die Laufzeitumgebung komprimiert senden und Browser die Dateien des Players behalten.</translation>
    </message>
</context>
<context>
    <name>ui::CPage5Progress</name>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
    <message>
        <source>Converting... 
It make take several minutes, please be patient.</source>
        <translation>Umwandlung läuft... 
Das kann einige Minuten dauern, bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>Publishing progress</source>
        <translation>Fortschritt der Veröffentlichung</translation>
    </message>
    <message>
        <source>How much of the player has been published.</source>
        <translation>Wie viel des Players schon veröffentlicht ist.</translation>
    </message>
    <message>
        <source>These could not be published:</source>
        <translation>Diese konnten nicht veröffentlicht werden:</translation>
    </message>
    <message>
        <source>Nothing was published: %1</source>
        <translation>Nichts wurde veröffentlicht: %1</translation>
    </message>
    <message>
        <source>Nothing was published: the track could not be made. Go Back to pick another folder or change the playlist.</source>
        <translation>Nichts wurde veröffentlicht: Der Titel konnte nicht erstellt werden. Gehen Sie zurück, um einen anderen Ordner zu wählen oder die Wiedergabeliste zu ändern.</translation>
    </message>
    <message>
        <source>Nothing was published: none of the %1 tracks could be made. Go Back to pick another folder or change the playlist.</source>
        <translation>Nichts wurde veröffentlicht: Keiner der %1 Titel konnte erstellt werden. Gehen Sie zurück, um einen anderen Ordner zu wählen oder die Wiedergabeliste zu ändern.</translation>
    </message>
    <message>
        <source>Nothing was published: the player could not be written. Go Back to pick another folder.</source>
        <translation>Nichts wurde veröffentlicht: Der Player konnte nicht geschrieben werden. Gehen Sie zurück und wählen Sie einen anderen Ordner.</translation>
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
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Shows the publish folder in the file manager.</source>
        <translation>Zeigt den Zielordner in der Dateiverwaltung.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Serves the player on this computer and opens it in the browser.</source>
        <translation>Stellt den Player auf diesem Rechner bereit und öffnet ihn im Browser.</translation>
    </message>
    <message>
        <source>Feed Back</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Writes a mail to us with the player attached.</source>
        <translation>Schreibt uns eine E-Mail mit dem Player im Anhang.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the preview&apos;s address.</source>
        <translation>Kopiert die Adresse der Vorschau.</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Where the published player is.</source>
        <translation>Wo der veröffentlichte Player liegt.</translation>
    </message>
    <message>
        <source>Preview address</source>
        <translation>Adresse der Vorschau</translation>
    </message>
    <message>
        <source>The address the preview is served at.</source>
        <translation>Die Adresse, unter der die Vorschau bereitsteht.</translation>
    </message>
    <message>
        <source>%1 of %2 tracks were published; the others are listed in the box shown before.</source>
        <translation>%1 von %2 Titeln wurden veröffentlicht; die anderen standen in der Meldung davor.</translation>
    </message>
    <message>
        <source>The player is in %1</source>
        <translation>Der Player liegt in %1</translation>
    </message>
    <message>
        <source>No browser could be started; open the address yourself.</source>
        <translation>Es konnte kein Browser gestartet werden; öffnen Sie die Adresse selbst.</translation>
    </message>
    <message>
        <source>The player cannot be previewed: no web server could be started on 127.0.0.1.</source>
        <translation>Die Vorschau des Players ist nicht möglich: Auf 127.0.0.1 konnte kein Webserver gestartet werden.</translation>
    </message>
    <message>
        <source>&amp;Upload to your site…</source>
        <translation>Auf Ihre Website &amp;hochladen …</translation>
    </message>
    <message>
        <source>Upload to your site</source>
        <translation>Auf Ihre Website hochladen</translation>
    </message>
    <message>
        <source>Sends the published player to your web site over SFTP, FTP or WebDAV.</source>
        <translation>Sendet den veröffentlichten Player per SFTP, FTP oder WebDAV auf Ihre Website.</translation>
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
        <source>Tunemill is publishing. Stop publishing and close? The player published before stays as it was.</source>
        <translation>Tunemill veröffentlicht gerade. Veröffentlichen anhalten und schließen? Der zuvor veröffentlichte Player bleibt, wie er war.</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Opens our web site in the browser.</source>
        <translation>Öffnet unsere Website im Browser.</translation>
    </message>
    <message>
        <source>Goes back to the page before.</source>
        <translation>Geht zur vorigen Seite zurück.</translation>
    </message>
    <message>
        <source>Goes on to the next page.</source>
        <translation>Geht weiter zur nächsten Seite.</translation>
    </message>
    <message>
        <source>Closes Tunemill; the published player stays.</source>
        <translation>Schließt Tunemill; der veröffentlichte Player bleibt.</translation>
    </message>
    <message>
        <source>Closes Tunemill.</source>
        <translation>Schließt Tunemill.</translation>
    </message>
    <message>
        <source>Goes back to the playlist, to publish again.</source>
        <translation>Geht zurück zur Wiedergabeliste, um erneut zu veröffentlichen.</translation>
    </message>
</context>
<context>
    <name>ui::ConversionProblemText</name>
    <message>
        <source>%1 Hz mono</source>
        <translation>%1 Hz Mono</translation>
    </message>
    <message>
        <source>%1 Hz stereo</source>
        <translation>%1 Hz Stereo</translation>
    </message>
    <message>
        <source>a frame does not match the stream&apos;s channels or sample size</source>
        <translation>ein Rahmen passt nicht zu den Kanälen oder der Samplegröße des Datenstroms</translation>
    </message>
    <message>
        <source>the FLAC decoder cannot be started</source>
        <translation>der FLAC-Decoder kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>the FLAC stream has no stream information</source>
        <translation>der FLAC-Datenstrom hat keine Stream-Information</translation>
    </message>
    <message>
        <source>the audio cannot be decoded: %1</source>
        <translation>der Ton kann nicht dekodiert werden: %1</translation>
    </message>
    <message>
        <source>%1 channels are not supported (only mono and stereo)</source>
        <translation>%1 Kanäle werden nicht unterstützt (nur Mono und Stereo)</translation>
    </message>
    <message>
        <source>%1 channels are not supported (at most %2)</source>
        <translation>%1 Kanäle werden nicht unterstützt (höchstens %2)</translation>
    </message>
    <message>
        <source>samples of %1 bits in floating point are not supported</source>
        <translation>Samples mit %1 Bit als Gleitkommazahl werden nicht unterstützt</translation>
    </message>
    <message>
        <source>samples of %1 bits are not supported</source>
        <translation>Samples mit %1 Bit werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the sample rate %1 Hz is not usable</source>
        <translation>die Abtastrate %1 Hz ist nicht verwendbar</translation>
    </message>
    <message>
        <source>the MP3 changes from %1 to %2 part way</source>
        <translation>das MP3 wechselt mittendrin von %1 zu %2</translation>
    </message>
    <message>
        <source>no input file was given</source>
        <translation>es wurde keine Eingabedatei angegeben</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>die Datei %1</translation>
    </message>
    <message>
        <source>the file cannot be read from its start again</source>
        <translation>die Datei kann nicht erneut von Anfang an gelesen werden</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file cannot be closed: %1</source>
        <translation>die Datei kann nicht geschlossen werden: %1</translation>
    </message>
    <message>
        <source>the file&apos;s header cannot be read</source>
        <translation>der Kopf der Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the MP3 decoder cannot be started</source>
        <translation>der MP3-Decoder kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame was found</source>
        <translation>es wurde kein MPEG-Layer-III-Rahmen gefunden</translation>
    </message>
    <message>
        <source>the MP3 decoder cannot read the first frame</source>
        <translation>der MP3-Decoder kann den ersten Rahmen nicht lesen</translation>
    </message>
    <message>
        <source>the MP3 encoder&apos;s buffer is too small</source>
        <translation>der Puffer des MP3-Encoders ist zu klein</translation>
    </message>
    <message>
        <source>the MP3 encoder failed with error %1</source>
        <translation>der MP3-Encoder ist mit Fehler %1 gescheitert</translation>
    </message>
    <message>
        <source>the MP3 encoder cannot be started</source>
        <translation>der MP3-Encoder kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>the input would be overwritten</source>
        <translation>die Eingabe würde überschrieben</translation>
    </message>
    <message>
        <source>the MP3 file %1 cannot be created</source>
        <translation>die MP3-Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>die MP3-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the MP3 encoder cannot be set up for this input</source>
        <translation>der MP3-Encoder kann für diese Eingabe nicht eingerichtet werden</translation>
    </message>
</context>
<context>
    <name>ui::EmbedSnippetBox</name>
    <message>
        <source>Put the player into a page of yours</source>
        <translation>Den Player in eine eigene Seite einbauen</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>Kop&amp;ieren</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; in it with the page&apos;s address on your site, or type the address of the output folder above.</source>
        <translation>Ersetzen Sie darin &quot;%1&quot; durch die Adresse der Seite auf Ihrer Website, oder geben Sie oben die Adresse des Ausgabeordners ein.</translation>
    </message>
    <message>
        <source>Address on your site</source>
        <translation>Adresse auf Ihrer Website</translation>
    </message>
    <message>
        <source>The address the output folder will have on your web site; the snippet points there.</source>
        <translation>Die Adresse, die der Ausgabeordner auf Ihrer Website haben wird; das Snippet zeigt dorthin.</translation>
    </message>
    <message>
        <source>Snippet</source>
        <translation>Snippet</translation>
    </message>
    <message>
        <source>The code that frames the player in a page of yours.</source>
        <translation>Der Code, der den Player in eine Ihrer Seiten einbettet.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the snippet to the clipboard.</source>
        <translation>Kopiert das Snippet in die Zwischenablage.</translation>
    </message>
    <message>
        <source>&amp;Address of the output folder on your site:</source>
        <translation>&amp;Adresse des Ausgabeordners auf Ihrer Website:</translation>
    </message>
    <message>
        <source>The address must begin with http:// or https://, or be a path on your site, without spaces.</source>
        <translation>Die Adresse muss mit http:// oder https:// beginnen oder ein Pfad auf Ihrer Website sein, ohne Leerzeichen.</translation>
    </message>
</context>
<context>
    <name>ui::ForeignFileText</name>
    <message>
        <source>an MP4 or M4A file (AAC audio or video)</source>
        <translation>eine MP4- oder M4A-Datei (AAC-Audio oder Video)</translation>
    </message>
    <message>
        <source>an AAC (ADTS) file</source>
        <translation>eine AAC-Datei (ADTS)</translation>
    </message>
    <message>
        <source>a Matroska or WebM file</source>
        <translation>eine Matroska- oder WebM-Datei</translation>
    </message>
    <message>
        <source>a Windows Media file</source>
        <translation>eine Windows-Media-Datei</translation>
    </message>
    <message>
        <source>a MIDI file (notes, not recorded sound)</source>
        <translation>eine MIDI-Datei (Noten, kein aufgenommener Klang)</translation>
    </message>
    <message>
        <source>an AVI video</source>
        <translation>ein AVI-Video</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>ein WebP-Bild</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ein ZIP-Archiv</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>ein gzip-Archiv</translation>
    </message>
    <message>
        <source>a RAR archive</source>
        <translation>ein RAR-Archiv</translation>
    </message>
    <message>
        <source>a 7-Zip archive</source>
        <translation>ein 7-Zip-Archiv</translation>
    </message>
    <message>
        <source>a bzip2 archive</source>
        <translation>ein bzip2-Archiv</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>ein Programm</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>binary data in which no MP3, WAV, AIFF, FLAC or Ogg audio was found</source>
        <translation>Binärdaten, in denen kein MP3-, WAV-, AIFF-, FLAC- oder Ogg-Audio gefunden wurde</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a sound file Tunemill can read: it holds nothing but zero bytes</source>
        <translation>keine Klangdatei, die Tunemill lesen kann: sie enthält nur Null-Bytes</translation>
    </message>
    <message>
        <source>not a sound file Tunemill can read: it holds nothing but bytes 0x%1</source>
        <translation>keine Klangdatei, die Tunemill lesen kann: sie enthält nur Bytes 0x%1</translation>
    </message>
    <message>
        <source>not a sound file Tunemill can read: it is %1</source>
        <translation>keine Klangdatei, die Tunemill lesen kann: es ist %1</translation>
    </message>
</context>
<context>
    <name>ui::LiveCheckText</name>
    <message>
        <source>%1 does not serve the player as uploaded: %2.</source>
        <translation>%1 liefert den Player nicht so aus, wie er hochgeladen wurde: %2.</translation>
    </message>
    <message>
        <source>Files served otherwise: %1 in all.</source>
        <translation>Anders ausgelieferte Dateien: insgesamt %1.</translation>
    </message>
    <message>
        <source>%1 could not be checked: %2</source>
        <translation>%1 konnte nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>The host refused Tunemill&apos;s .htaccess (its AllowOverride lacks FileInfo), so it was removed from the site. Untick the .htaccess box on the folder page before you publish next time.</source>
        <translation>Der Host hat die .htaccess von Tunemill abgelehnt (seinem AllowOverride fehlt FileInfo), deshalb wurde sie von der Website entfernt. Nehmen Sie vor dem nächsten Veröffentlichen auf der Seite mit dem Zielordner das Häkchen bei „Eine .htaccess-Datei beilegen“ heraus.</translation>
    </message>
</context>
<context>
    <name>ui::NothingPublishedText</name>
    <message>
        <source>Cannot read the settings file %1. (%2)</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. (%2)</translation>
    </message>
    <message>
        <source>The playlist is empty.</source>
        <translation>Die Wiedergabeliste ist leer.</translation>
    </message>
    <message>
        <source>The track could not be published.</source>
        <translation>Das Lied konnte nicht veröffentlicht werden.</translation>
    </message>
    <message>
        <source>None of the %1 tracks could be published.</source>
        <translation>Keines der %1 Lieder konnte veröffentlicht werden.</translation>
    </message>
</context>
<context>
    <name>ui::PublishWorker</name>
    <message>
        <source>Track %1, %2: %3</source>
        <translation>Titel %1, %2: %3</translation>
    </message>
    <message>
        <source>skipped, %1</source>
        <translation>übersprungen, %1</translation>
    </message>
</context>
<context>
    <name>ui::RecordingText</name>
    <message>
        <source>File: %1 ,Line Number:%2</source>
        <translation>Datei: %1 ,Zeilennummer:%2</translation>
    </message>
    <message>
        <source>Error %1 in querying the error string for error code %2</source>
        <translation>Fehler %1 beim Abfragen des Fehlertexts für Fehlercode %2</translation>
    </message>
    <message>
        <source>%1:%2.%3 - Recording...</source>
        <translation>%1:%2.%3 - Aufnahme läuft...</translation>
    </message>
    <message>
        <source>No recording quality is selected: no input device offers one.</source>
        <translation>Keine Aufnahmequalität ist gewählt: kein Eingabegerät bietet eine an.</translation>
    </message>
    <message>
        <source>Can not open file...</source>
        <translation>Datei kann nicht geöffnet werden...</translation>
    </message>
    <message>
        <source>Can not write Wave Header..%1</source>
        <translation>Wave-Kopf kann nicht geschrieben werden..%1</translation>
    </message>
    <message>
        <source>Can not write sample data..%1: %2</source>
        <translation>Klangdaten können nicht geschrieben werden..%1: %2</translation>
    </message>
</context>
<context>
    <name>ui::RefusalText</name>
    <message>
        <source>too long for a track movie (at most %1 min %2 s)</source>
        <translation>zu lang für einen Titelfilm (höchstens %1 min %2 s)</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>is a folder, not a regular file</source>
        <translation>ist ein Ordner, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a FIFO (named pipe), not a regular file</source>
        <translation>ist ein FIFO (benannte Pipe), keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a socket, not a regular file</source>
        <translation>ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is a device, not a regular file</source>
        <translation>ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>ist zu groß</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>is a web address; only files on this computer can be published</source>
        <translation>ist eine Webadresse; nur Dateien auf diesem Rechner können veröffentlicht werden</translation>
    </message>
    <message>
        <source>is on another computer (%1)</source>
        <translation>liegt auf einem anderen Rechner (%1)</translation>
    </message>
    <message>
        <source>is a playlist already followed (the playlists loop)</source>
        <translation>ist eine bereits gelesene Wiedergabeliste (die Wiedergabelisten bilden eine Schleife)</translation>
    </message>
    <message>
        <source>is too large for a playlist</source>
        <translation>ist zu groß für eine Wiedergabeliste</translation>
    </message>
    <message>
        <source>holds no sound files</source>
        <translation>enthält keine Audiodateien</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, which the playlist cannot store</source>
        <translation>sein Name ist kein gültiges UTF-8, das die Wiedergabeliste nicht speichern kann</translation>
    </message>
    <message>
        <source>its name holds control characters, which the playlist cannot store</source>
        <translation>sein Name enthält Steuerzeichen, die die Wiedergabeliste nicht speichern kann</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>die Datei %1</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>there is no work folder to convert it into</source>
        <translation>es gibt keinen Arbeitsordner, in den sie umgewandelt werden kann</translation>
    </message>
    <message>
        <source>cannot be converted to MP3: %1</source>
        <translation>kann nicht in MP3 umgewandelt werden: %1</translation>
    </message>
    <message>
        <source>published</source>
        <translation>veröffentlicht</translation>
    </message>
    <message>
        <source>skipped, unsupported format</source>
        <translation>übersprungen, nicht unterstütztes Format</translation>
    </message>
    <message>
        <source>skipped, %1</source>
        <translation>übersprungen, %1</translation>
    </message>
    <message>
        <source>skipped, %1 cannot be written: %2</source>
        <translation>übersprungen, %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>skipped, no sound to publish</source>
        <translation>übersprungen, kein Ton zum Veröffentlichen</translation>
    </message>
    <message>
        <source>skipped, not enough memory to build its movie</source>
        <translation>übersprungen, nicht genug Speicher für seinen Film</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the movie cannot be encoded</source>
        <translation>der Film kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>ui::StepFailureText</name>
    <message>
        <source>Cannot publish into %1: the new player is built beside it in %2 and put in its place in one step, so %2 must be writable; make it writable, or publish into another folder.</source>
        <translation>In %1 kann nicht veröffentlicht werden: Der neue Player wird daneben in %2 gebaut und in einem Schritt an seine Stelle gesetzt, daher muss %2 beschreibbar sein; machen Sie es beschreibbar oder veröffentlichen Sie in einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Cannot publish into %1: it links to %2, and the new player is built beside that in %3 and put in its place in one step, so %3 must be writable; make it writable, or link %1 to a folder inside one you can write.</source>
        <translation>In %1 kann nicht veröffentlicht werden: Es verweist auf %2, und der neue Player wird daneben in %3 gebaut und in einem Schritt an seine Stelle gesetzt, daher muss %3 beschreibbar sein; machen Sie es beschreibbar oder lassen Sie %1 auf einen Ordner innerhalb eines beschreibbaren Ordners verweisen.</translation>
    </message>
    <message>
        <source>Cannot publish into %1.</source>
        <translation>In %1 kann nicht veröffentlicht werden.</translation>
    </message>
    <message>
        <source>Cannot publish into %1: %2 is a mount point or on another device, which the new player cannot carry along; unmount it or move it out of %1.</source>
        <translation>In %1 kann nicht veröffentlicht werden: %2 ist ein Einhängepunkt oder liegt auf einem anderen Gerät, das der neue Player nicht mitnehmen kann; hängen Sie es aus oder verschieben Sie es aus %1.</translation>
    </message>
    <message>
        <source>Cannot write the track movie %1 from %2.</source>
        <translation>Der Titelfilm %1 kann nicht aus %2 geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot keep %1 in the new %2.</source>
        <translation>%1 kann im neuen %2 nicht behalten werden.</translation>
    </message>
    <message>
        <source>Cannot put the new player in place of %1.</source>
        <translation>Der neue Player kann nicht an die Stelle von %1 gesetzt werden.</translation>
    </message>
    <message>
        <source>Cannot write the playlist document %1.</source>
        <translation>Das Wiedergabelistendokument %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot put the player options into %1.</source>
        <translation>Die Player-Optionen können nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot copy the player movie %1 to %2.</source>
        <translation>Der Player-Film %1 kann nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>Cannot write the web page %1.</source>
        <translation>Die Webseite %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot copy the player runtime from %1 to %2.</source>
        <translation>Die Laufzeitumgebung des Players kann nicht von %1 nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>Cannot write the page for framing %1.</source>
        <translation>Die Seite zum Einbetten %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write the web server settings %1.</source>
        <translation>Die Einstellungen für den Webserver %1 können nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ui::SystemReason</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Festplattenkontingent überschritten</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Eingabe-/Ausgabefehler</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
</context>
<context>
    <name>ui::UploadDialog</name>
    <message>
        <source>&amp;Remember the password</source>
        <translation>Passwort &amp;merken</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>Kop&amp;ieren</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Hochladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Upload to your site</source>
        <translation>Auf Ihre Website hochladen</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS</source>
        <translation>FTP mit TLS</translation>
    </message>
    <message>
        <source>FTPS</source>
        <translation>FTPS</translation>
    </message>
    <message>
        <source>WebDAV (https)</source>
        <translation>WebDAV (https)</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>Po&amp;rt:</translation>
    </message>
    <message>
        <source>&amp;Protocol:</source>
        <translation>&amp;Protokoll:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>Hos&amp;t:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>U&amp;ser:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>How the player goes to your site.</source>
        <translation>Wie der Player auf Ihre Website gelangt.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>The name or address of your web host.</source>
        <translation>Der Name oder die Adresse Ihres Webhosts.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The server&apos;s port; Default takes the protocol&apos;s own.</source>
        <translation>Der Port des Servers; „Standard“ nimmt den des Protokolls.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The folder on the server that receives the player.</source>
        <translation>Der Ordner auf dem Server, der den Player aufnimmt.</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>The user name you log in with.</source>
        <translation>Der Benutzername, mit dem Sie sich anmelden.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The password you log in with.</source>
        <translation>Das Passwort, mit dem Sie sich anmelden.</translation>
    </message>
    <message>
        <source>Remember the password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>Keeps the password in the desktop&apos;s keyring.</source>
        <translation>Bewahrt das Passwort im Schlüsselbund der Arbeitsumgebung auf.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the player&apos;s address on your site.</source>
        <translation>Kopiert die Adresse des Players auf Ihrer Website.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring (%1); it will be asked for next time.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund aufbewahrt werden (%1); es wird beim nächsten Mal erfragt.</translation>
    </message>
    <message>
        <source>Switching the site over to the new player…</source>
        <translation>Die Website wird auf den neuen Player umgestellt …</translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <translation>Standard (%1)</translation>
    </message>
    <message>
        <source>The site could not be remembered in %1.</source>
        <translation>Die Website konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Comparing the site with the player…</source>
        <translation>Die Website wird mit dem Player verglichen …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten …</translation>
    </message>
    <message>
        <source>Files to send: %1 (%2)</source>
        <translation>Zu sendende Dateien: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 of %2 files sent, %3 of %4</source>
        <translation>%1 von %2 Dateien gesendet, %3 von %4</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>%1 is not a server this computer knows yet. Its key&apos;s fingerprint is:

%2

Is that your server&apos;s key? Answer Yes only if your host gave you this fingerprint; it is then remembered in %3.</source>
        <translation>%1 ist ein Server, den dieser Computer noch nicht kennt. Der Fingerabdruck seines Schlüssels ist:

%2

Ist das der Schlüssel Ihres Servers? Antworten Sie nur dann mit Ja, wenn Ihr Host Ihnen diesen Fingerabdruck genannt hat; er wird dann in %3 gespeichert.</translation>
    </message>
    <message>
        <source>The player on %1 was up to date: nothing needed sending.</source>
        <translation>Der Player auf %1 war aktuell: Es musste nichts gesendet werden.</translation>
    </message>
    <message>
        <source>The player was uploaded to %1.</source>
        <translation>Der Player wurde nach %1 hochgeladen.</translation>
    </message>
    <message>
        <source>Your player is on your site:</source>
        <translation>Ihr Player ist auf Ihrer Website:</translation>
    </message>
    <message>
        <source>There is no published player in %1 to upload.</source>
        <translation>In %1 ist kein veröffentlichter Player zum Hochladen.</translation>
    </message>
    <message>
        <source>Cannot read %1 (%2).</source>
        <translation>%1 kann nicht gelesen werden (%2).</translation>
    </message>
</context>
<context>
    <name>ui::UploadFailureText</name>
    <message>
        <source>%1 is not a known server, and its key %2 was not accepted.</source>
        <translation>%1 ist kein bekannter Server, und sein Schlüssel %2 wurde nicht angenommen.</translation>
    </message>
    <message>
        <source>The key of %1 has changed from %2 to %3. Someone may be listening in. If your host changed its key, remove its line from %4.</source>
        <translation>Der Schlüssel von %1 hat sich von %2 in %3 geändert. Vielleicht hört jemand mit. Falls Ihr Host seinen Schlüssel geändert hat, entfernen Sie seine Zeile aus %4.</translation>
    </message>
    <message>
        <source>The host of %1 is not found.</source>
        <translation>Der Host von %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot connect to %1.</source>
        <translation>Keine Verbindung zu %1 möglich.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted.</source>
        <translation>Dem Zertifikat von %1 wird nicht vertraut.</translation>
    </message>
    <message>
        <source>%1 offers no TLS, so the password would go in the clear. Choose SFTP, FTPS or WebDAV if your host offers one.</source>
        <translation>%1 bietet kein TLS an, das Passwort ginge also unverschlüsselt über das Netz. Wählen Sie SFTP, FTPS oder WebDAV, wenn Ihr Host eines davon anbietet.</translation>
    </message>
    <message>
        <source>The login was refused: check the user and the password.</source>
        <translation>Die Anmeldung wurde abgelehnt: Prüfen Sie Benutzer und Passwort.</translation>
    </message>
    <message>
        <source>The server denied permission.</source>
        <translation>Der Server hat den Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The disk or the quota on the server is full.</source>
        <translation>Der Datenträger oder das Kontingent auf dem Server ist voll.</translation>
    </message>
    <message>
        <source>A file or folder is missing on the server.</source>
        <translation>Eine Datei oder ein Ordner fehlt auf dem Server.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>Die Verbindung zu %1 ist abgebrochen.</translation>
    </message>
    <message>
        <source>The upload was stopped.</source>
        <translation>Das Hochladen wurde angehalten.</translation>
    </message>
    <message>
        <source>A file of the player cannot be read (%1).</source>
        <translation>Eine Datei des Players kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The server refused.</source>
        <translation>Der Server hat abgelehnt.</translation>
    </message>
    <message>
        <source>File: %1.</source>
        <translation>Datei: %1.</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>Der Server sagte: %1</translation>
    </message>
    <message>
        <source>The player on %1 is unchanged.</source>
        <translation>Der Player auf %1 ist unverändert.</translation>
    </message>
    <message>
        <source>The player on %1 was being switched over: it plays, partly new and partly old. Upload again to finish.</source>
        <translation>Der Player auf %1 wurde gerade umgestellt: Er spielt, teils neu und teils alt. Laden Sie erneut hoch, um die Umstellung abzuschließen.</translation>
    </message>
    <message>
        <source>The new player is on %1.</source>
        <translation>Der neue Player ist auf %1.</translation>
    </message>
</context>
<context>
    <name>ui::UploadSite</name>
    <message>
        <source>Type the name or the address of your web host.</source>
        <translation>Geben Sie den Namen oder die Adresse Ihres Webhosts ein.</translation>
    </message>
    <message>
        <source>The user name cannot hold a colon; type the password below.</source>
        <translation>Der Benutzername darf keinen Doppelpunkt enthalten; geben Sie das Passwort unten ein.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>WebDAV without https would send the password in the clear.</source>
        <translation>WebDAV ohne https würde das Passwort unverschlüsselt senden.</translation>
    </message>
    <message>
        <source>The folder cannot hold &quot;..&quot; or control characters.</source>
        <translation>Der Ordner darf weder „..“ noch Steuerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>ui::Watermark</name>
    <message>
        <source>your music on the web</source>
        <translation>Ihre Musik im Web</translation>
    </message>
</context>
<context>
    <name>ui::XmlReason</name>
    <message>
        <source>Internal error occurred</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Could not determine tag type</source>
        <translation>Art des Tags nicht erkennbar</translation>
    </message>
    <message>
        <source>Error parsing document declaration/processing instruction</source>
        <translation>Fehler in der Dokumentdeklaration oder Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>Error parsing comment</source>
        <translation>Fehler in einem Kommentar</translation>
    </message>
    <message>
        <source>Error parsing CDATA section</source>
        <translation>Fehler in einem CDATA-Abschnitt</translation>
    </message>
    <message>
        <source>Error parsing document type declaration</source>
        <translation>Fehler in der Dokumenttypdeklaration</translation>
    </message>
    <message>
        <source>Error parsing PCDATA section</source>
        <translation>Fehler in einem PCDATA-Abschnitt</translation>
    </message>
    <message>
        <source>Error parsing start element tag</source>
        <translation>Fehler in einem Start-Tag</translation>
    </message>
    <message>
        <source>Error parsing element attribute</source>
        <translation>Fehler in einem Attribut</translation>
    </message>
    <message>
        <source>Error parsing end element tag</source>
        <translation>Fehler in einem End-Tag</translation>
    </message>
    <message>
        <source>Start-end tags mismatch</source>
        <translation>Start- und End-Tag passen nicht zusammen</translation>
    </message>
    <message>
        <source>No document element found</source>
        <translation>Kein Dokumentelement gefunden</translation>
    </message>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 bei Byte %2</translation>
    </message>
</context>
</TS>
