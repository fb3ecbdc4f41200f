<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Report</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A QLocale date format for the long date of the birth: d day, MMMM month name, yyyy year, quoted text kept</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>a Lua</translation>
    </message>
    <message>
        <source>opposite the Moon</source>
        <translation>oposto à Lua</translation>
    </message>
    <message>
        <source>the Ascendant</source>
        <translation>o Ascendente</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>oposto ao Sol</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>o Descendente, oposto ao Ascendente</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A frame&apos;s caption and its sign&apos;s name</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <extracomment>The wheel&apos;s legend: 1 the number on the wheel, 2 a frame&apos;s caption, 3 a degree, 4 where it comes from, 5 its sign</extracomment>
        <translation>%1  “%2” usa %3° (%4): %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  “%2” usa %3° (%4)</translation>
    </message>
    <message>
        <source>%1 galactic reading %2.pdf</source>
        <extracomment>The proposed PDF file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 leitura galáctica %2.pdf</translation>
    </message>
    <message>
        <source>%1 galactic wheel %2.svg</source>
        <extracomment>The proposed picture file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 roda galáctica %2.svg</translation>
    </message>
    <message>
        <source>Galactic astrology reading of %1</source>
        <translation>Leitura de astrologia galáctica para %1</translation>
    </message>
    <message>
        <source>Born: %1, %2 local clock time</source>
        <extracomment>1 the birth date, 2 the clock time on the birthplace&apos;s clocks</extracomment>
        <translation>Nascimento: %1, %2 (hora local)</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuso horário: %1</translation>
    </message>
    <message>
        <source>Daylight saving: %1</source>
        <translation>Horário de verão: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Universal Time used: %1</source>
        <translation>Tempo universal usado: %1</translation>
    </message>
    <message>
        <source>Latitude %1°%2′ %3, longitude %4°%5′ %6</source>
        <extracomment>1 and 2 degrees and minutes of latitude, 3 its hemisphere letter; 4 to 6 the same for the longitude</extracomment>
        <translation>Latitude %1°%2′ %3, longitude %4°%5′ %6</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>W</source>
        <comment>longitude west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Local: %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Galactic Astrology Reading</source>
        <translation>Leitura de astrologia galáctica</translation>
    </message>
    <message>
        <source>Ruling planet: %1</source>
        <translation>Planeta regente: %1</translation>
    </message>
    <message>
        <source>Constellation: %1</source>
        <translation>Constelação: %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <translation>Palavras-chave: %1</translation>
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
        <translation>Não foi possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>the name must end in .svg or .png</source>
        <translation>o nome deve terminar em .svg ou .png</translation>
    </message>
    <message>
        <source>the size must be 16 to 20000 pixels</source>
        <translation>o tamanho deve ser de 16 a 20000 pixels</translation>
    </message>
    <message>
        <source>Galactic wheel</source>
        <translation>Roda galáctica</translation>
    </message>
    <message>
        <source>Time zone: local mean time of the birthplace</source>
        <translation>Fuso horário: hora média local do lugar natal</translation>
    </message>
    <message>
        <source>Time zone: an offset no zone in the list has</source>
        <translation>Fuso horário: uma diferença que nenhum fuso da lista tem</translation>
    </message>
    <message>
        <source>UTC offset used: %1</source>
        <translation>Diferença do UTC usada: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Observação: %1</translation>
    </message>
    <message>
        <source>depends on the birth time</source>
        <translation>depende da hora de nascimento</translation>
    </message>
    <message>
        <source>(first)</source>
        <extracomment>a clock time in the hour that came twice as clocks went back</extracomment>
        <translation>(primeira vez)</translation>
    </message>
    <message>
        <source>(second)</source>
        <translation>(segunda vez)</translation>
    </message>
    <message>
        <source>Born: %1, time unknown: every clock minute from %2 to %3 read</source>
        <extracomment>1 the birth date, 2 and 3 the first and last clock minutes read</extracomment>
        <translation>Nascimento: %1, hora desconhecida: lido cada minuto de %2 a %3</translation>
    </message>
    <message>
        <source>Note: there was no %1 to %2 that day (clocks went forward)</source>
        <translation>Nota: nesse dia não houve de %1 a %2 (os relógios foram adiantados)</translation>
    </message>
    <message>
        <source>SVG cannot be written: the program&apos;s output module is missing</source>
        <translation>Não é possível gravar o SVG: falta o módulo de saída do programa</translation>
    </message>
    <message>
        <source>The Sun and the Moon from %1 to %2, no Ascendant</source>
        <extracomment>The legend of the wheel of an unknown birth time: 1 and 2 the first and last clock minutes read</extracomment>
        <translation>O Sol e a Lua das %1 às %2, sem Ascendente</translation>
    </message>
</context>
</TS>
