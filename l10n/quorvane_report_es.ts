<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Report</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>la Luna</translation>
    </message>
    <message>
        <source>opposite the Moon</source>
        <translation>opuesto a la Luna</translation>
    </message>
    <message>
        <source>the Ascendant</source>
        <translation>el Ascendente</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>opuesto al Sol</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>el Descendente, opuesto al Ascendente</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <extracomment>The wheel&apos;s legend: 1 the number on the wheel, 2 a frame&apos;s caption, 3 a degree, 4 where it comes from, 5 its sign</extracomment>
        <translation>%1  «%2» toma %3° (%4): %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  «%2» toma %3° (%4)</translation>
    </message>
    <message>
        <source>%1 galactic reading %2.pdf</source>
        <extracomment>The proposed PDF file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 lectura galáctica %2.pdf</translation>
    </message>
    <message>
        <source>%1 galactic wheel %2.svg</source>
        <extracomment>The proposed picture file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 rueda galáctica %2.svg</translation>
    </message>
    <message>
        <source>Galactic astrology reading of %1</source>
        <translation>Lectura de astrología galáctica para %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message>
        <source>the name must end in .svg or .png</source>
        <translation>el nombre debe terminar en .svg o .png</translation>
    </message>
    <message>
        <source>the size must be 16 to 20000 pixels</source>
        <translation>el tamaño debe estar entre 16 y 20000 píxeles</translation>
    </message>
    <message>
        <source>Galactic wheel</source>
        <translation>Rueda galáctica</translation>
    </message>
    <message>
        <source>SVG cannot be written: the program&apos;s output module is missing</source>
        <translation>No se puede escribir el SVG: falta el módulo de salida del programa</translation>
    </message>
    <message>
        <source>The Sun and the Moon from %1 to %2, no Ascendant</source>
        <extracomment>The legend of the wheel of an unknown birth time: 1 and 2 the first and last clock minutes read</extracomment>
        <translation>El Sol y la Luna de %1 a %2, sin Ascendente</translation>
    </message>
</context>
</TS>
