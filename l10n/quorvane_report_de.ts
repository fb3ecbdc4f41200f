<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Report</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>opposite the Moon</source>
        <translation>gegenüber dem Mond</translation>
    </message>
    <message>
        <source>the Ascendant</source>
        <translation>Aszendent</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>gegenüber der Sonne</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>Deszendent, gegenüber dem Aszendenten</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <extracomment>The wheel&apos;s legend: 1 the number on the wheel, 2 a frame&apos;s caption, 3 a degree, 4 where it comes from, 5 its sign</extracomment>
        <translation>%1  „%2“ verwendet %3° (%4): %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  „%2“ verwendet %3° (%4)</translation>
    </message>
    <message>
        <source>%1 galactic reading %2.pdf</source>
        <extracomment>The proposed PDF file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 galaktische Deutung %2.pdf</translation>
    </message>
    <message>
        <source>%1 galactic wheel %2.svg</source>
        <extracomment>The proposed picture file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 galaktisches Rad %2.svg</translation>
    </message>
    <message>
        <source>Galactic astrology reading of %1</source>
        <translation>Galaktisch-astrologische Deutung für %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the name must end in .svg or .png</source>
        <translation>der Name muss auf .svg oder .png enden</translation>
    </message>
    <message>
        <source>the size must be 16 to 20000 pixels</source>
        <translation>die Größe muss 16 bis 20000 Pixel betragen</translation>
    </message>
    <message>
        <source>Galactic wheel</source>
        <translation>Galaktisches Rad</translation>
    </message>
    <message>
        <source>SVG cannot be written: the program&apos;s output module is missing</source>
        <translation>SVG kann nicht geschrieben werden: das Ausgabemodul des Programms fehlt</translation>
    </message>
    <message>
        <source>The Sun and the Moon from %1 to %2, no Ascendant</source>
        <extracomment>The legend of the wheel of an unknown birth time: 1 and 2 the first and last clock minutes read</extracomment>
        <translation>Sonne und Mond von %1 bis %2, ohne Aszendent</translation>
    </message>
</context>
</TS>
