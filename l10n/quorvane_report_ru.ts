<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Report</name>
    <message>
        <source>Aries</source>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>opposite the Moon</source>
        <translation>напротив Луны</translation>
    </message>
    <message>
        <source>the Ascendant</source>
        <translation>асцендент</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>напротив Солнца</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>десцендент, напротив асцендента</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <extracomment>The wheel&apos;s legend: 1 the number on the wheel, 2 a frame&apos;s caption, 3 a degree, 4 where it comes from, 5 its sign</extracomment>
        <translation>%1  «%2» использует %3° (%4): %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  «%2» использует %3° (%4)</translation>
    </message>
    <message>
        <source>%1 galactic reading %2.pdf</source>
        <extracomment>The proposed PDF file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 галактический разбор %2.pdf</translation>
    </message>
    <message>
        <source>%1 galactic wheel %2.svg</source>
        <extracomment>The proposed picture file name: 1 the person&apos;s name, 2 the birth date as 1985-06-15</extracomment>
        <translation>%1 галактический круг %2.svg</translation>
    </message>
    <message>
        <source>Galactic astrology reading of %1</source>
        <translation>Галактический астрологический разбор для %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>страница %1 из %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Не удалось записать «%1»: %2</translation>
    </message>
    <message>
        <source>the name must end in .svg or .png</source>
        <translation>имя файла должно оканчиваться на .svg или .png</translation>
    </message>
    <message>
        <source>the size must be 16 to 20000 pixels</source>
        <translation>размер должен быть от 16 до 20000 пикселей</translation>
    </message>
    <message>
        <source>Galactic wheel</source>
        <translation>Галактический круг</translation>
    </message>
    <message>
        <source>SVG cannot be written: the program&apos;s output module is missing</source>
        <translation>SVG не может быть записан: нет модуля вывода программы</translation>
    </message>
    <message>
        <source>The Sun and the Moon from %1 to %2, no Ascendant</source>
        <extracomment>The legend of the wheel of an unknown birth time: 1 and 2 the first and last clock minutes read</extracomment>
        <translation>Солнце и Луна с %1 до %2, без Асцендента</translation>
    </message>
</context>
</TS>
