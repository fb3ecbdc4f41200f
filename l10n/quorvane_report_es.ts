<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Report</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A QLocale date format for the long date of the birth: d day, MMMM month name, yyyy year, quoted text kept</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
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
        <source>%1: %2</source>
        <extracomment>A frame&apos;s caption and its sign&apos;s name</extracomment>
        <translation>%1: %2</translation>
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
        <source>Born: %1, %2 local clock time</source>
        <extracomment>1 the birth date, 2 the clock time on the birthplace&apos;s clocks</extracomment>
        <translation>Nacimiento: %1, %2 (hora local)</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zona horaria: %1</translation>
    </message>
    <message>
        <source>Daylight saving: %1</source>
        <translation>Horario de verano: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Universal Time used: %1</source>
        <translation>Tiempo universal usado: %1</translation>
    </message>
    <message>
        <source>Latitude %1°%2′ %3, longitude %4°%5′ %6</source>
        <extracomment>1 and 2 degrees and minutes of latitude, 3 its hemisphere letter; 4 to 6 the same for the longitude</extracomment>
        <translation>Latitud %1°%2′ %3, longitud %4°%5′ %6</translation>
    </message>
    <message>
        <source>S</source>
        <comment>latitude south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>latitude north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>longitude east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>longitude west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Galactic Astrology Reading</source>
        <translation>Lectura de astrología galáctica</translation>
    </message>
    <message>
        <source>Ruling planet: %1</source>
        <translation>Planeta regente: %1</translation>
    </message>
    <message>
        <source>Constellation: %1</source>
        <translation>Constelación: %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <translation>Palabras clave: %1</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Características</translation>
    </message>
    <message>
        <source>Characteristics: %1</source>
        <translation>Características: %1</translation>
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
        <source>Time zone: local mean time of the birthplace</source>
        <translation>Zona horaria: hora media local del lugar natal</translation>
    </message>
    <message>
        <source>Time zone: an offset no zone in the list has</source>
        <translation>Zona horaria: una diferencia que ninguna zona de la lista tiene</translation>
    </message>
    <message>
        <source>UTC offset used: %1</source>
        <translation>Diferencia con UTC usada: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>depends on the birth time</source>
        <translation>depende de la hora de nacimiento</translation>
    </message>
    <message>
        <source>(first)</source>
        <extracomment>a clock time in the hour that came twice as clocks went back</extracomment>
        <translation>(primera vez)</translation>
    </message>
    <message>
        <source>(second)</source>
        <translation>(segunda vez)</translation>
    </message>
    <message>
        <source>Born: %1, time unknown: every clock minute from %2 to %3 read</source>
        <extracomment>1 the birth date, 2 and 3 the first and last clock minutes read</extracomment>
        <translation>Nacimiento: %1, hora desconocida: leído cada minuto de %2 a %3</translation>
    </message>
    <message>
        <source>Note: there was no %1 to %2 that day (clocks went forward)</source>
        <translation>Nota: ese día no hubo de %1 a %2 (los relojes se adelantaron)</translation>
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
