<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppShell</name>
    <message>
        <source>Application is already running</source>
        <translation>Приложение уже запущено.</translation>
    </message>
</context>
<context>
    <name>BirthsQuestions</name>
    <message>
        <source>The births in %1 have changes that are not saved.</source>
        <translation>В файле рождений %1 есть несохранённые изменения.</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>Сохранить их перед закрытием?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was read.</source>
        <translation>Файл %1 изменён другой программой после чтения.</translation>
    </message>
    <message>
        <source>Overwriting it loses that program&apos;s changes.</source>
        <translation>При перезаписи изменения той программы будут потеряны.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Перезаписать</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvane tells you about your galactic sign&apos;s personality traits from your date of birth: enter when and where you were born and read what your Galactic Sun, Moon, Ascendant and Descendant signs say.</source>
        <translation>Quorvane рассказывает о чертах характера вашего галактического знака по дате рождения: укажите, когда и где вы родились, и прочтите, что говорят ваши галактические Солнце, Луна, Асцендент и Десцендент.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Нажмите здесь, чтобы открыть </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Offer a fully branded edition of this software on your own web site, with your name and logo, and earn from every visitor.</source>
        <translation>Бизнес на дому: предложите на своём сайте издание этой программы под своим именем и логотипом и зарабатывайте на каждом посетителе.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Нажмите здесь, чтобы узнать больше</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Обсуждайте галактические знаки на форуме Quorvane и расскажите, что говорит ваш прогноз</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <translation>Галактический солнечный знак</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Управитель</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Созвездие</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Ключевые слова</translation>
    </message>
    <message>
        <source>Characterstics</source>
        <translation>Характеристика</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <translation>Галактический асцендент</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <translation>Галактический лунный знак</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <translation>Галактический десцендент</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>У вас есть сайт? Выпустите эту программу под своей маркой: дарите посетителям бесплатный галактический прогноз с вашим логотипом и ссылками на сайт, и они будут возвращаться каждый день. Нажмите здесь.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Бизнес на дому: получите издание этой программы со своим именем, логотипом и веб-адресом и продавайте его на своём сайте. Нажмите здесь.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Справка в интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Наш сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>По&amp;жертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработок в интернете</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <comment>row heading</comment>
        <translation>Солнечный знак</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <comment>row heading</comment>
        <translation>Асцендент</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <comment>row heading</comment>
        <translation>Лунный знак</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <comment>row heading</comment>
        <translation>Десцендент</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Обсуждайте галактические знаки на форуме Quorvane и расскажите, что говорит ваш прогноз</translation>
    </message>
    <message>
        <source>Know your Galactic sign with Quorvane. Enter your date of birth to get started!</source>
        <translation>Узнайте свой галактический знак с Quorvane. Введите дату рождения, чтобы начать!</translation>
    </message>
    <message>
        <source>Enter Personal Details</source>
        <translation>Личные данные</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>ЧЧ:ММ:СС</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Пояс</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Град.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Нажмите, чтобы найти широту и долготу</translation>
    </message>
    <message>
        <source>Get My Galactic Astrology Reading</source>
        <translation>Получить мой галактический прогноз</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Бизнес на дому: получите издание этой программы со своим именем, логотипом и веб-адресом и продавайте его на своём сайте. Нажмите здесь.</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>У вас есть сайт? Выпустите эту программу под своей маркой: дарите посетителям бесплатный галактический прогноз с вашим логотипом и ссылками на сайт, и они будут возвращаться каждый день. Нажмите здесь.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Справка в интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Наш сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>По&amp;жертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработок в интернете</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsBook</name>
    <message>
        <source>Births files (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Файлы рождений (*.aaf *.csv);;Файлы AAF (*.aaf);;Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Файлы AAF (*.aaf);;Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;AAF files (*.aaf);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Файлы AAF (*.aaf);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Удалить «%1»</translation>
    </message>
    <message>
        <source>Open Births</source>
        <translation>Открыть файл рождений</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Не удалось открыть %1: %2.</translation>
    </message>
    <message>
        <source>%1 of the records in %2 could not be read. They are listed with their line and reason, and kept as they are when the file is saved.</source>
        <translation>Не удалось прочитать записи в %2: %1. Они показаны с номером строки и причиной и при сохранении файла останутся без изменений.</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Сохранить в файл рождений</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Обновить «%1»</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Добавить «%1»</translation>
    </message>
    <message>
        <source>No births file is open: open one, or save a birth with Save to Births.</source>
        <translation>Файл рождений не открыт: откройте его или сохраните запись командой «Сохранить в файл рождений».</translation>
    </message>
    <message>
        <source>Save Births As</source>
        <translation>Сохранить файл рождений как</translation>
    </message>
    <message>
        <source>The births could not be saved to %1: %2. They are kept here; save them elsewhere with Save Births As.</source>
        <translation>Не удалось сохранить записи в %1: %2. Они остаются здесь; сохраните их в другом месте командой «Сохранить файл рождений как».</translation>
    </message>
    <message>
        <source>Import Births</source>
        <translation>Импорт рождений</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation>Не удалось импортировать %1: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Импорт %1</translation>
    </message>
    <message>
        <source>%1 births imported from %2.</source>
        <translation>Импортировано записей из %2: %1.</translation>
    </message>
    <message>
        <source> %1 records could not be read and were not imported.</source>
        <translation> Не прочитано и не импортировано записей: %1.</translation>
    </message>
    <message>
        <source>Choose a time zone first.</source>
        <translation>Сначала выберите часовой пояс.</translation>
    </message>
    <message>
        <source>No Recent Births Files</source>
        <translation>Нет недавних файлов рождений</translation>
    </message>
    <message>
        <source>%1 of the births give no zone or could not be read; CSV cannot hold them and they were left out of %2. Save as AAF to keep them.</source>
        <translation>Записей без часового пояса или нечитаемых: %1; формат CSV не может их хранить, и в %2 они не вошли. Сохраните в формате AAF, чтобы их сохранить.</translation>
    </message>
    <message>
        <source>The list of recent births files could not be saved to %1. Open Recent will not offer them after Quorvane ends.</source>
        <translation>Не удалось сохранить список недавних файлов рождений в %1. После закрытия Quorvane пункт «Недавние файлы» не будет их предлагать.</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsListModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>%1, time unknown</source>
        <extracomment>a births list&apos;s date of a birth whose file gives no clock time</extracomment>
        <translation>%1, время неизвестно</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsWindow</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Фильтр:</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Имя или место</translation>
    </message>
    <message>
        <source>Filter births by name or place</source>
        <translation>Фильтр записей по имени или месту</translation>
    </message>
    <message>
        <source>Down arrow moves to the list</source>
        <translation>Стрелка вниз переходит к списку</translation>
    </message>
    <message>
        <source>Births</source>
        <translation>Рождения</translation>
    </message>
    <message>
        <source>Enter fills the birth-data form; Delete removes the birth</source>
        <translation>Enter заполняет форму данных рождения; Delete удаляет запись</translation>
    </message>
    <message>
        <source>Number of births</source>
        <translation>Число записей</translation>
    </message>
    <message>
        <source>Note on the chosen birth</source>
        <translation>Примечание к выбранной записи</translation>
    </message>
    <message>
        <source>&amp;Records that could not be read:</source>
        <translation>&amp;Нечитаемые записи:</translation>
    </message>
    <message>
        <source>Records that could not be read, with line and reason</source>
        <translation>Нечитаемые записи с номером строки и причиной</translation>
    </message>
    <message>
        <source>F&amp;ill Form</source>
        <translation>&amp;Заполнить форму</translation>
    </message>
    <message>
        <source>Fill the birth-data form with the chosen birth</source>
        <translation>Заполнить форму данных рождения выбранной записью</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Delete the chosen birth</source>
        <translation>Удалить выбранную запись</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last change to the births</source>
        <translation>Отменить последнее изменение записей</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close the births file</source>
        <translation>Закрыть файл рождений</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Births – %1[*]</source>
        <translation>Рождения – %1[*]</translation>
    </message>
    <message numerus="yes">
        <source>%n birth(s)</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n birth(s)</source>
        <translation>
            <numerusform>%1 из %n записи</numerusform>
            <numerusform>%1 из %n записей</numerusform>
            <numerusform>%1 из %n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <translation>Строка %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvane::PlaceFinderDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Найти широту и долготу</translation>
    </message>
    <message>
        <source>&amp;Place (City, State, Country):</source>
        <translation>&amp;Место (город, регион, страна):</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Найденные места</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Состояние поиска</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Искать в интернете</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot; exactly; places named &quot;%2&quot;:</source>
        <translation>Точного совпадения с «%1» нет; места с названием «%2»:</translation>
    </message>
    <message>
        <source>The atlas cannot be searched: %1. Press &quot;Search the web&quot; to look the place up online.</source>
        <translation>Поиск по атласу невозможен: %1. Нажмите «Искать в интернете», чтобы найти место онлайн.</translation>
    </message>
    <message>
        <source>No place in the atlas matches &quot;%1&quot;. Press &quot;Search the web&quot; to look it up online.</source>
        <translation>В атласе нет места «%1». Нажмите «Искать в интернете», чтобы найти его онлайн.</translation>
    </message>
    <message>
        <source>Places: GeoNames (CC BY 4.0)</source>
        <translation>Места: GeoNames (CC BY 4.0)</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelView</name>
    <message>
        <source>Galactic wheel</source>
        <translation>Галактический круг</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun, the Moon, the Ascendant and the Descendant; the positions are listed beside the wheel</source>
        <translation>Двенадцать галактических знаков с Солнцем, Луной, Асцендентом и Десцендентом; положения перечислены рядом с кругом</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun and the Moon as arcs over the hours read, without the Ascendant; the positions are listed beside the wheel</source>
        <translation>Двенадцать галактических знаков с Солнцем и Луной в виде дуг за прочитанные часы, без Асцендента; положения перечислены рядом с кругом</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelWindow</name>
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
        <translation>Асцендент</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>напротив Солнца</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>Десцендент (напротив Асцендента)</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <translation>%1  «%2» берёт %3°, %4: %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  «%2» берёт %3°, %4</translation>
    </message>
    <message>
        <source>Galactic Wheel of %1 - %2</source>
        <translation>Галактический круг: %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>&amp;Положения</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Положения</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Galactic sign</source>
        <translation>Галактический знак</translation>
    </message>
    <message>
        <source>Degrees the frames read</source>
        <translation>Градусы, которые берут рамки</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Сохранить рисунок…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Использованный момент рождения</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneOffsetEntry</name>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Местное среднее время места рождения</translation>
    </message>
    <message>
        <source>Other offset (±hh:mm[:ss])…</source>
        <translation>Другое смещение (±чч:мм[:сс])…</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Смещение от UTC</translation>
    </message>
    <message>
        <source>East of Greenwich +, west −: hours, minutes and seconds, for example +05:45 or -00:25:21</source>
        <translation>К востоку от Гринвича +, к западу −: часы, минуты и секунды, например +05:45 или -00:25:21</translation>
    </message>
    <message>
        <source>The local mean time of the longitude entered below: four minutes of clock per degree</source>
        <translation>Местное среднее время указанной ниже долготы: четыре минуты на градус</translation>
    </message>
    <message>
        <source>Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm or -hh:mm:ss west of it, up to 15 hours</source>
        <translation>Введите смещение от всемирного времени в виде +чч:мм или +чч:мм:сс к востоку от Гринвича, -чч:мм или -чч:мм:сс к западу, не более 15 часов</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneSuggestionLine</name>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Time zone suggestion</source>
        <translation>Предлагаемый часовой пояс</translation>
    </message>
    <message>
        <source>Apply the suggested time zone</source>
        <translation>Применить предлагаемый часовой пояс</translation>
    </message>
    <message>
        <source> with Daylight Saving Time</source>
        <translation> с летним временем</translation>
    </message>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Местное среднее время места рождения</translation>
    </message>
    <message>
        <source>Other offset %1</source>
        <translation>Другое смещение %1</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Второй</translation>
    </message>
    <message>
        <source>Apply the time zone of the second time</source>
        <translation>Применить часовой пояс второго раза</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Первый</translation>
    </message>
</context>
<context>
    <name>quorvane::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Нажмите здесь, чтобы открыть %1</translation>
    </message>
    <message>
        <source>Product icon</source>
        <translation>Значок программы</translation>
    </message>
    <message>
        <source>More details about the fully branded edition</source>
        <translation>Подробнее об издании под вашей маркой</translation>
    </message>
</context>
<context>
    <name>quorvane::frmDisplay</name>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Сохранить в &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Пе&amp;чать…</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Копировать прогноз</translation>
    </message>
    <message>
        <source>Save &amp;Wheel Picture…</source>
        <translation>Сохранить рисунок &amp;круга…</translation>
    </message>
    <message>
        <source>Show W&amp;heel…</source>
        <translation>Показать кру&amp;г…</translation>
    </message>
    <message>
        <source>&amp;Wheel…</source>
        <translation>&amp;Круг…</translation>
    </message>
    <message>
        <source>Show the galactic wheel of this reading</source>
        <translation>Показать галактический круг этого прогноза</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Сохранить прогноз в PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer did not accept it.</source>
        <translation>Не удалось напечатать прогноз: принтер его не принял.</translation>
    </message>
    <message>
        <source>Save Wheel Picture</source>
        <translation>Сохранить рисунок круга</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg);;PNG pictures (*.png)</source>
        <translation>Рисунки SVG (*.svg);;Рисунки PNG (*.png)</translation>
    </message>
    <message>
        <source>%1 characteristics</source>
        <translation>%1: характеристика</translation>
    </message>
    <message>
        <source>Scroll %1 characteristics</source>
        <translation>Прокрутка: %1, характеристика</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Изображение знака</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Использованный момент рождения</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Толкование</translation>
    </message>
    <message>
        <source>Links and commands</source>
        <translation>Ссылки и команды</translation>
    </message>
</context>
<context>
    <name>quorvane::frmMain</name>
    <message>
        <source>Open Births…</source>
        <translation>&amp;Открыть файл рождений…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Недавние &amp;файлы</translation>
    </message>
    <message>
        <source>Open Recent births files</source>
        <translation>Недавние файлы рождений</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Сохранить в файл рождений</translation>
    </message>
    <message>
        <source>Save Births As…</source>
        <translation>Сохранить файл рождений &amp;как…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>&amp;Импорт…</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Введите город.</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Введите регион.</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Введите страну.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Месяц рождения</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Год рождения</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>Час рождения</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>Минута рождения</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>Секунда рождения</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Широта, градусы</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Широта, минуты</translation>
    </message>
    <message>
        <source>Latitude: North</source>
        <translation>Широта: север</translation>
    </message>
    <message>
        <source>Latitude: South</source>
        <translation>Широта: юг</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Долгота, градусы</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Долгота, минуты</translation>
    </message>
    <message>
        <source>Longitude: East</source>
        <translation>Долгота: восток</translation>
    </message>
    <message>
        <source>Longitude: West</source>
        <translation>Долгота: запад</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Нажмите, чтобы найти широту и долготу</translation>
    </message>
    <message>
        <source>0 to 90</source>
        <translation>От 0 до 90</translation>
    </message>
    <message>
        <source>0 to 180</source>
        <translation>От 0 до 180</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>От 0 до 59</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>Time unknown</source>
        <translation>Время неизвестно</translation>
    </message>
    <message>
        <source>between</source>
        <translation>между</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>Earliest birth hour</source>
        <translation>Самый ранний час рождения</translation>
    </message>
    <message>
        <source>Earliest birth minute</source>
        <translation>Самая ранняя минута рождения</translation>
    </message>
    <message>
        <source>Latest birth hour</source>
        <translation>Самый поздний час рождения</translation>
    </message>
    <message>
        <source>Latest birth minute</source>
        <translation>Самая поздняя минута рождения</translation>
    </message>
    <message>
        <source>Please Choose an Earliest Birth Time (&quot;%1&quot;) No Later Than the Latest (&quot;%2&quot;)</source>
        <translation>Выберите самое раннее время рождения («%1») не позже самого позднего («%2»).</translation>
    </message>
</context>
</TS>
