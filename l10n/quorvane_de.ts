<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppShell</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits.</translation>
    </message>
</context>
<context>
    <name>BirthsQuestions</name>
    <message>
        <source>The births in %1 have changes that are not saved.</source>
        <translation>Die Geburtsdaten in %1 haben ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was read.</source>
        <translation>%1 wurde seit dem Einlesen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Overwriting it loses that program&apos;s changes.</source>
        <translation>Beim Überschreiben gehen die Änderungen des anderen Programms verloren.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvane tells you about your galactic sign&apos;s personality traits from your date of birth: enter when and where you were born and read what your Galactic Sun, Moon, Ascendant and Descendant signs say.</source>
        <translation>Quorvane beschreibt die Wesenszüge Ihres galaktischen Zeichens anhand Ihres Geburtsdatums: Geben Sie ein, wann und wo Sie geboren sind, und lesen Sie, was Ihr galaktisches Sonnen- und Mondzeichen, Ihr Aszendent und Ihr Deszendent über Sie sagen.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Hier klicken, um zu besuchen: </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Offer a fully branded edition of this software on your own web site, with your name and logo, and earn from every visitor.</source>
        <translation>Geschäftsidee für zu Hause: Bieten Sie auf Ihrer eigenen Website eine Ausgabe dieser Software mit Ihrem Namen und Logo an und verdienen Sie an jedem Besucher.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für mehr Informationen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Tauschen Sie sich im Quorvane-Forum über galaktische Zeichen aus und erzählen Sie, was Ihre Deutung sagt</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <translation>Galaktisches Sonnenzeichen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Herrscherplanet</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Characterstics</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <translation>Galaktischer Aszendent</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <translation>Galaktisches Mondzeichen</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <translation>Galaktischer Deszendent</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>Sie haben eine Website? Versehen Sie diese Software mit Ihrer Marke: Schenken Sie Ihren Besuchern eine galaktische Deutung mit Ihrem Logo und Links zu Ihrer Seite, damit sie jeden Tag wiederkommen. Hier klicken.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Geschäftsidee für zu Hause: Holen Sie sich eine Ausgabe dieser Software mit Ihrem eigenen Namen, Logo und Ihrer Webadresse und verkaufen Sie sie auf Ihrer eigenen Website. Hier klicken.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Webseite besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über die So&amp;ftware</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <comment>row heading</comment>
        <translation>Sonnenzeichen</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <comment>row heading</comment>
        <translation>Aszendent</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <comment>row heading</comment>
        <translation>Mondzeichen</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <comment>row heading</comment>
        <translation>Deszendent</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Tauschen Sie sich im Quorvane-Forum über galaktische Zeichen aus und erzählen Sie, was Ihre Deutung sagt</translation>
    </message>
    <message>
        <source>Know your Galactic sign with Quorvane. Enter your date of birth to get started!</source>
        <translation>Lernen Sie Ihr galaktisches Zeichen mit Quorvane kennen. Geben Sie Ihr Geburtsdatum ein und legen Sie los!</translation>
    </message>
    <message>
        <source>Enter Personal Details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp;&amp; Länge zu finden</translation>
    </message>
    <message>
        <source>Get My Galactic Astrology Reading</source>
        <translation>Meine galaktische Deutung erstellen</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Geschäftsidee für zu Hause: Holen Sie sich eine Ausgabe dieser Software mit Ihrem eigenen Namen, Logo und Ihrer Webadresse und verkaufen Sie sie auf Ihrer eigenen Website. Hier klicken.</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>Sie haben eine Website? Versehen Sie diese Software mit Ihrer Marke: Schenken Sie Ihren Besuchern eine galaktische Deutung mit Ihrem Logo und Links zu Ihrer Seite, damit sie jeden Tag wiederkommen. Hier klicken.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Webseite besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über die So&amp;ftware</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsBook</name>
    <message>
        <source>Births files (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Geburtsdateien (*.aaf *.csv);;AAF-Dateien (*.aaf);;CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>AAF-Dateien (*.aaf);;CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;AAF files (*.aaf);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;AAF-Dateien (*.aaf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Open Births</source>
        <translation>Geburtsdaten öffnen</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 of the records in %2 could not be read. They are listed with their line and reason, and kept as they are when the file is saved.</source>
        <translation>%1 der Einträge in %2 konnten nicht gelesen werden. Sie werden mit Zeile und Grund aufgeführt und beim Speichern unverändert beibehalten.</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>In Geburtsdaten speichern</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>%1 aktualisieren</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>No births file is open: open one, or save a birth with Save to Births.</source>
        <translation>Es ist keine Geburtsdatei geöffnet: Öffnen Sie eine oder speichern Sie eine Geburt mit „In Geburtsdaten speichern“.</translation>
    </message>
    <message>
        <source>Save Births As</source>
        <translation>Geburtsdaten speichern unter</translation>
    </message>
    <message>
        <source>The births could not be saved to %1: %2. They are kept here; save them elsewhere with Save Births As.</source>
        <translation>Die Geburtsdaten konnten nicht in %1 gespeichert werden: %2. Sie bleiben hier erhalten; speichern Sie sie mit „Geburtsdaten speichern unter“ an anderer Stelle.</translation>
    </message>
    <message>
        <source>Import Births</source>
        <translation>Geburtsdaten importieren</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation>%1 konnte nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>%1 births imported from %2.</source>
        <translation>%1 Geburten aus %2 importiert.</translation>
    </message>
    <message>
        <source> %1 records could not be read and were not imported.</source>
        <translation> %1 Einträge konnten nicht gelesen werden und wurden nicht importiert.</translation>
    </message>
    <message>
        <source>Choose a time zone first.</source>
        <translation>Wählen Sie zuerst eine Zeitzone.</translation>
    </message>
    <message>
        <source>No Recent Births Files</source>
        <translation>Keine zuletzt verwendeten Geburtsdateien</translation>
    </message>
    <message>
        <source>%1 of the births give no zone or could not be read; CSV cannot hold them and they were left out of %2. Save as AAF to keep them.</source>
        <translation>%1 der Geburten nennen keine Zeitzone oder konnten nicht gelesen werden; CSV kann sie nicht aufnehmen, daher fehlen sie in %2. Speichern Sie als AAF, um sie zu behalten.</translation>
    </message>
    <message>
        <source>The list of recent births files could not be saved to %1. Open Recent will not offer them after Quorvane ends.</source>
        <translation>Die Liste der zuletzt geöffneten Geburtsdateien konnte nicht in %1 gespeichert werden. „Zuletzt geöffnet“ bietet sie nach dem Beenden von Quorvane nicht mehr an.</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>%1, time unknown</source>
        <extracomment>a births list&apos;s date of a birth whose file gives no clock time</extracomment>
        <translation>%1, Uhrzeit unbekannt</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsWindow</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Name oder Ort</translation>
    </message>
    <message>
        <source>Filter births by name or place</source>
        <translation>Geburten nach Name oder Ort filtern</translation>
    </message>
    <message>
        <source>Down arrow moves to the list</source>
        <translation>Pfeil nach unten wechselt in die Liste</translation>
    </message>
    <message>
        <source>Births</source>
        <translation>Geburten</translation>
    </message>
    <message>
        <source>Enter fills the birth-data form; Delete removes the birth</source>
        <translation>Eingabe füllt das Formular mit den Geburtsdaten; Entf entfernt die Geburt</translation>
    </message>
    <message>
        <source>Number of births</source>
        <translation>Anzahl der Geburten</translation>
    </message>
    <message>
        <source>Note on the chosen birth</source>
        <translation>Hinweis zur gewählten Geburt</translation>
    </message>
    <message>
        <source>&amp;Records that could not be read:</source>
        <translation>Nicht lesbare &amp;Einträge:</translation>
    </message>
    <message>
        <source>Records that could not be read, with line and reason</source>
        <translation>Nicht lesbare Einträge mit Zeile und Grund</translation>
    </message>
    <message>
        <source>F&amp;ill Form</source>
        <translation>Formular &amp;füllen</translation>
    </message>
    <message>
        <source>Fill the birth-data form with the chosen birth</source>
        <translation>Das Geburtsdaten-Formular mit der gewählten Geburt füllen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the chosen birth</source>
        <translation>Die gewählte Geburt löschen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change to the births</source>
        <translation>Die letzte Änderung an den Geburten rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the births file</source>
        <translation>Die Geburtsdatei schließen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Births – %1[*]</source>
        <translation>Geburten – %1[*]</translation>
    </message>
    <message numerus="yes">
        <source>%n birth(s)</source>
        <translation>
            <numerusform>%n Geburt</numerusform>
            <numerusform>%n Geburten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n birth(s)</source>
        <translation>
            <numerusform>%1 von %n Geburt</numerusform>
            <numerusform>%1 von %n Geburten</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvane::PlaceFinderDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Breite und Länge suchen</translation>
    </message>
    <message>
        <source>&amp;Place (City, State, Country):</source>
        <translation>&amp;Ort (Stadt, Region, Land):</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Gefundene Orte</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Suchstatus</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot; exactly; places named &quot;%2&quot;:</source>
        <translation>Kein Ort entspricht genau „%1“; Orte namens „%2“:</translation>
    </message>
    <message>
        <source>The atlas cannot be searched: %1. Press &quot;Search the web&quot; to look the place up online.</source>
        <translation>Der Atlas kann nicht durchsucht werden: %1. Drücken Sie „Im Web suchen“, um den Ort online nachzuschlagen.</translation>
    </message>
    <message>
        <source>No place in the atlas matches &quot;%1&quot;. Press &quot;Search the web&quot; to look it up online.</source>
        <translation>Kein Ort im Atlas entspricht „%1“. Drücken Sie „Im Web suchen“, um ihn online nachzuschlagen.</translation>
    </message>
    <message>
        <source>Places: GeoNames (CC BY 4.0)</source>
        <translation>Orte: GeoNames (CC BY 4.0)</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelView</name>
    <message>
        <source>Galactic wheel</source>
        <translation>Galaktisches Rad</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun, the Moon, the Ascendant and the Descendant; the positions are listed beside the wheel</source>
        <translation>Die zwölf galaktischen Zeichen mit Sonne, Mond, Aszendent und Deszendent; die Positionen stehen neben dem Rad</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun and the Moon as arcs over the hours read, without the Ascendant; the positions are listed beside the wheel</source>
        <translation>Die zwölf galaktischen Zeichen mit Sonne und Mond als Bögen über die gelesenen Stunden, ohne Aszendent; die Positionen stehen neben dem Rad</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelWindow</name>
    <message>
        <source>the Moon</source>
        <translation>der Mond</translation>
    </message>
    <message>
        <source>opposite the Moon</source>
        <translation>gegenüber dem Mond</translation>
    </message>
    <message>
        <source>the Ascendant</source>
        <translation>der Aszendent</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>gegenüber der Sonne</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>der Deszendent (gegenüber dem Aszendenten)</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <translation>%1  „%2“ liest %3°, %4: %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  „%2“ liest %3°, %4</translation>
    </message>
    <message>
        <source>Galactic Wheel of %1 - %2</source>
        <translation>Galaktisches Rad von %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>&amp;Positionen</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Galactic sign</source>
        <translation>Galaktisches Zeichen</translation>
    </message>
    <message>
        <source>Degrees the frames read</source>
        <translation>Grade, die die Felder lesen</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Verwendeter Geburtszeitpunkt</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneOffsetEntry</name>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Mittlere Ortszeit des Geburtsorts</translation>
    </message>
    <message>
        <source>Other offset (±hh:mm[:ss])…</source>
        <translation>Anderer Abstand (±hh:mm[:ss])…</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Abstand zu UTC</translation>
    </message>
    <message>
        <source>East of Greenwich +, west −: hours, minutes and seconds, for example +05:45 or -00:25:21</source>
        <translation>Östlich von Greenwich +, westlich −: Stunden, Minuten und Sekunden, zum Beispiel +05:45 oder -00:25:21</translation>
    </message>
    <message>
        <source>The local mean time of the longitude entered below: four minutes of clock per degree</source>
        <translation>Die mittlere Ortszeit der unten eingegebenen Länge: vier Minuten Uhrzeit je Grad</translation>
    </message>
    <message>
        <source>Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm or -hh:mm:ss west of it, up to 15 hours</source>
        <translation>Bitte geben Sie den Abstand zur Weltzeit als +hh:mm oder +hh:mm:ss östlich von Greenwich bzw. -hh:mm oder -hh:mm:ss westlich davon ein, höchstens 15 Stunden</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneSuggestionLine</name>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Time zone suggestion</source>
        <translation>Zeitzonen-Vorschlag</translation>
    </message>
    <message>
        <source>Apply the suggested time zone</source>
        <translation>Die vorgeschlagene Zeitzone übernehmen</translation>
    </message>
    <message>
        <source> with Daylight Saving Time</source>
        <translation> mit Sommerzeit</translation>
    </message>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Mittlere Ortszeit des Geburtsorts</translation>
    </message>
    <message>
        <source>Other offset %1</source>
        <translation>Anderer Abstand %1</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweites</translation>
    </message>
    <message>
        <source>Apply the time zone of the second time</source>
        <translation>Die Zeitzone des zweiten Mals übernehmen</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erstes</translation>
    </message>
</context>
<context>
    <name>quorvane::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken: %1 besuchen</translation>
    </message>
    <message>
        <source>Product icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>More details about the fully branded edition</source>
        <translation>Mehr über die Ausgabe mit eigenem Namen und Logo</translation>
    </message>
</context>
<context>
    <name>quorvane::frmDisplay</name>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>Deutung &amp;kopieren</translation>
    </message>
    <message>
        <source>Save &amp;Wheel Picture…</source>
        <translation>&amp;Radbild speichern…</translation>
    </message>
    <message>
        <source>Show W&amp;heel…</source>
        <translation>Rad &amp;anzeigen…</translation>
    </message>
    <message>
        <source>&amp;Wheel…</source>
        <translation>&amp;Rad…</translation>
    </message>
    <message>
        <source>Show the galactic wheel of this reading</source>
        <translation>Das galaktische Rad dieser Deutung anzeigen</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Deutung als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer did not accept it.</source>
        <translation>Die Deutung konnte nicht gedruckt werden: Der Drucker hat sie nicht angenommen.</translation>
    </message>
    <message>
        <source>Save Wheel Picture</source>
        <translation>Radbild speichern</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg);;PNG pictures (*.png)</source>
        <translation>SVG-Bilder (*.svg);;PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>%1 characteristics</source>
        <translation>%1: Eigenschaften</translation>
    </message>
    <message>
        <source>Scroll %1 characteristics</source>
        <translation>%1: Eigenschaften blättern</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Zeichenbild</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Verwendeter Geburtszeitpunkt</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Kopfleiste</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Links and commands</source>
        <translation>Links und Befehle</translation>
    </message>
</context>
<context>
    <name>quorvane::frmMain</name>
    <message>
        <source>Open Births…</source>
        <translation>Geburtsdaten &amp;öffnen…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open Recent births files</source>
        <translation>Zuletzt geöffnete Geburtsdateien</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>In Geburtsdaten speichern</translation>
    </message>
    <message>
        <source>Save Births As…</source>
        <translation>Geburtsdaten speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Bitte geben Sie die Stadt ein.</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Bitte geben Sie die Region ein.</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Bitte geben Sie das Land ein.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>Geburtsstunde</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>Geburtsminute</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>Geburtssekunde</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite, Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite, Minuten</translation>
    </message>
    <message>
        <source>Latitude: North</source>
        <translation>Breite: Nord</translation>
    </message>
    <message>
        <source>Latitude: South</source>
        <translation>Breite: Süd</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge, Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge, Minuten</translation>
    </message>
    <message>
        <source>Longitude: East</source>
        <translation>Länge: Ost</translation>
    </message>
    <message>
        <source>Longitude: West</source>
        <translation>Länge: West</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp; Länge zu finden</translation>
    </message>
    <message>
        <source>0 to 90</source>
        <translation>0 bis 90</translation>
    </message>
    <message>
        <source>0 to 180</source>
        <translation>0 bis 180</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 bis 59</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Kopfleiste</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Verweise</translation>
    </message>
    <message>
        <source>Time unknown</source>
        <translation>Uhrzeit unbekannt</translation>
    </message>
    <message>
        <source>between</source>
        <translation>zwischen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Earliest birth hour</source>
        <translation>Früheste Geburtsstunde</translation>
    </message>
    <message>
        <source>Earliest birth minute</source>
        <translation>Früheste Geburtsminute</translation>
    </message>
    <message>
        <source>Latest birth hour</source>
        <translation>Späteste Geburtsstunde</translation>
    </message>
    <message>
        <source>Latest birth minute</source>
        <translation>Späteste Geburtsminute</translation>
    </message>
    <message>
        <source>Please Choose an Earliest Birth Time (&quot;%1&quot;) No Later Than the Latest (&quot;%2&quot;)</source>
        <translation>Bitte wählen Sie eine früheste Geburtszeit („%1“), die nicht nach der spätesten („%2“) liegt.</translation>
    </message>
</context>
</TS>
