<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppShell</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>BirthsQuestions</name>
    <message>
        <source>The births in %1 have changes that are not saved.</source>
        <translation>Los nacimientos de %1 tienen cambios sin guardar.</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>¿Desea guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was read.</source>
        <translation>Otro programa ha modificado %1 desde que se leyó.</translation>
    </message>
    <message>
        <source>Overwriting it loses that program&apos;s changes.</source>
        <translation>Si lo sobrescribe, se perderán los cambios de ese programa.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvane tells you about your galactic sign&apos;s personality traits from your date of birth: enter when and where you were born and read what your Galactic Sun, Moon, Ascendant and Descendant signs say.</source>
        <translation>Quorvane le describe los rasgos de personalidad de su signo galáctico a partir de su fecha de nacimiento: indique cuándo y dónde nació y lea lo que dicen su Sol, su Luna, su Ascendente y su Descendente galácticos.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Haga clic aquí para visitar </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Offer a fully branded edition of this software on your own web site, with your name and logo, and earn from every visitor.</source>
        <translation>Oportunidad de negocio desde casa. Ofrezca en su propio sitio web una edición de este programa con su nombre y su logotipo, y gane con cada visitante.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haga clic aquí para ver más detalles</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Hable de signos galácticos con otros lectores: visite el foro de Quorvane y cuente lo que dijo su lectura</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <translation>Signo solar galáctico</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelación</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Characterstics</source>
        <translation>Características</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <translation>Ascendente galáctico</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <translation>Signo lunar galáctico</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <translation>Descendente galáctico</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>¿Tiene un sitio web? Ponga su marca en este programa: ofrezca a sus visitantes una lectura de astrología galáctica gratuita con su logotipo y enlaces a su sitio, para que vuelvan cada día. Haga clic aquí.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Oportunidad de negocio desde casa. Obtenga una edición de este programa con su propio nombre, logotipo y dirección web, y véndala desde su propio sitio. Haga clic aquí.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en la web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gane dinero en internet</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <comment>row heading</comment>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <comment>row heading</comment>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <comment>row heading</comment>
        <translation>Signo lunar</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <comment>row heading</comment>
        <translation>Descendente</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Hable de signos galácticos con otros lectores: visite el foro de Quorvane y cuente lo que dijo su lectura</translation>
    </message>
    <message>
        <source>Know your Galactic sign with Quorvane. Enter your date of birth to get started!</source>
        <translation>Descubra su signo galáctico con Quorvane. ¡Introduzca su fecha de nacimiento para empezar!</translation>
    </message>
    <message>
        <source>Enter Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Gr.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Haga clic aquí para buscar latitud y longitud</translation>
    </message>
    <message>
        <source>Get My Galactic Astrology Reading</source>
        <translation>Obtener mi lectura de astrología galáctica</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Oportunidad de negocio desde casa. Obtenga una edición de este programa con su propio nombre, logotipo y dirección web, y véndala desde su propio sitio. Haga clic aquí.</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>¿Tiene un sitio web? Ponga su marca en este programa: ofrezca a sus visitantes una lectura de astrología galáctica gratuita con su logotipo y enlaces a su sitio, para que vuelvan cada día. Haga clic aquí.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en la web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gane dinero en internet</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsBook</name>
    <message>
        <source>Births files (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Archivos de nacimientos (*.aaf *.csv);;Archivos AAF (*.aaf);;Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Archivos AAF (*.aaf);;Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;AAF files (*.aaf);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Archivos AAF (*.aaf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar a %1</translation>
    </message>
    <message>
        <source>Open Births</source>
        <translation>Abrir nacimientos</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 of the records in %2 could not be read. They are listed with their line and reason, and kept as they are when the file is saved.</source>
        <translation>No se pudieron leer %1 de los registros de %2. Se muestran con su línea y el motivo, y se conservan tal cual al guardar el archivo.</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Guardar en nacimientos</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Actualizar a %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir a %1</translation>
    </message>
    <message>
        <source>No births file is open: open one, or save a birth with Save to Births.</source>
        <translation>No hay ningún archivo de nacimientos abierto: abra uno o guarde un nacimiento con «Guardar en nacimientos».</translation>
    </message>
    <message>
        <source>Save Births As</source>
        <translation>Guardar nacimientos como</translation>
    </message>
    <message>
        <source>The births could not be saved to %1: %2. They are kept here; save them elsewhere with Save Births As.</source>
        <translation>No se pudieron guardar los nacimientos en %1: %2. Se conservan aquí; guárdelos en otro lugar con «Guardar nacimientos como».</translation>
    </message>
    <message>
        <source>Import Births</source>
        <translation>Importar nacimientos</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation>No se pudo importar %1: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>%1 births imported from %2.</source>
        <translation>Se importaron %1 nacimientos de %2.</translation>
    </message>
    <message>
        <source> %1 records could not be read and were not imported.</source>
        <translation> No se pudieron leer %1 registros y no se importaron.</translation>
    </message>
    <message>
        <source>Choose a time zone first.</source>
        <translation>Elija primero una zona horaria.</translation>
    </message>
    <message>
        <source>No Recent Births Files</source>
        <translation>No hay archivos de nacimientos recientes</translation>
    </message>
    <message>
        <source>%1 of the births give no zone or could not be read; CSV cannot hold them and they were left out of %2. Save as AAF to keep them.</source>
        <translation>%1 de los nacimientos no indican zona o no se pudieron leer; CSV no puede guardarlos y se omitieron en %2. Guarde como AAF para conservarlos.</translation>
    </message>
    <message>
        <source>The list of recent births files could not be saved to %1. Open Recent will not offer them after Quorvane ends.</source>
        <translation>No se pudo guardar la lista de archivos de nacimientos recientes en %1. Abrir recientes no los ofrecerá cuando Quorvane se cierre.</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>%1, time unknown</source>
        <extracomment>a births list&apos;s date of a birth whose file gives no clock time</extracomment>
        <translation>%1, hora desconocida</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsWindow</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Nombre o lugar</translation>
    </message>
    <message>
        <source>Filter births by name or place</source>
        <translation>Filtrar nacimientos por nombre o lugar</translation>
    </message>
    <message>
        <source>Down arrow moves to the list</source>
        <translation>La flecha abajo pasa a la lista</translation>
    </message>
    <message>
        <source>Births</source>
        <translation>Nacimientos</translation>
    </message>
    <message>
        <source>Enter fills the birth-data form; Delete removes the birth</source>
        <translation>Intro rellena el formulario de nacimiento; Supr elimina el nacimiento</translation>
    </message>
    <message>
        <source>Number of births</source>
        <translation>Número de nacimientos</translation>
    </message>
    <message>
        <source>Note on the chosen birth</source>
        <translation>Nota sobre el nacimiento elegido</translation>
    </message>
    <message>
        <source>&amp;Records that could not be read:</source>
        <translation>&amp;Registros que no se pudieron leer:</translation>
    </message>
    <message>
        <source>Records that could not be read, with line and reason</source>
        <translation>Registros que no se pudieron leer, con línea y motivo</translation>
    </message>
    <message>
        <source>F&amp;ill Form</source>
        <translation>&amp;Rellenar formulario</translation>
    </message>
    <message>
        <source>Fill the birth-data form with the chosen birth</source>
        <translation>Rellenar el formulario de nacimiento con el nacimiento elegido</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the chosen birth</source>
        <translation>Eliminar el nacimiento elegido</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change to the births</source>
        <translation>Deshacer el último cambio en los nacimientos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close the births file</source>
        <translation>Cerrar el archivo de nacimientos</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Births – %1[*]</source>
        <translation>Nacimientos – %1[*]</translation>
    </message>
    <message numerus="yes">
        <source>%n birth(s)</source>
        <translation>
            <numerusform>%n nacimiento</numerusform>
            <numerusform>%n nacimientos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n birth(s)</source>
        <translation>
            <numerusform>%1 de %n nacimiento</numerusform>
            <numerusform>%1 de %n nacimientos</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <translation>Línea %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvane::PlaceFinderDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Buscar latitud y longitud</translation>
    </message>
    <message>
        <source>&amp;Place (City, State, Country):</source>
        <translation>&amp;Lugar (ciudad, región, país):</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Lugares encontrados</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Estado de la búsqueda</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Buscar en la web</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot; exactly; places named &quot;%2&quot;:</source>
        <translation>Ningún lugar coincide exactamente con «%1»; lugares llamados «%2»:</translation>
    </message>
    <message>
        <source>The atlas cannot be searched: %1. Press &quot;Search the web&quot; to look the place up online.</source>
        <translation>No se puede buscar en el atlas: %1. Pulse «Buscar en la web» para buscar el lugar en internet.</translation>
    </message>
    <message>
        <source>No place in the atlas matches &quot;%1&quot;. Press &quot;Search the web&quot; to look it up online.</source>
        <translation>Ningún lugar del atlas coincide con «%1». Pulse «Buscar en la web» para buscarlo en internet.</translation>
    </message>
    <message>
        <source>Places: GeoNames (CC BY 4.0)</source>
        <translation>Lugares: GeoNames (CC BY 4.0)</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelView</name>
    <message>
        <source>Galactic wheel</source>
        <translation>Rueda galáctica</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun, the Moon, the Ascendant and the Descendant; the positions are listed beside the wheel</source>
        <translation>Los doce signos galácticos con el Sol, la Luna, el Ascendente y el Descendente; las posiciones se enumeran junto a la rueda</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun and the Moon as arcs over the hours read, without the Ascendant; the positions are listed beside the wheel</source>
        <translation>Los doce signos galácticos con el Sol y la Luna como arcos sobre las horas leídas, sin el Ascendente; las posiciones se enumeran junto a la rueda</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelWindow</name>
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
        <translation>el Descendente (opuesto al Ascendente)</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <translation>%1  «%2» lee %3°, %4: %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  «%2» lee %3°, %4</translation>
    </message>
    <message>
        <source>Galactic Wheel of %1 - %2</source>
        <translation>Rueda galáctica de %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>&amp;Posiciones</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Galactic sign</source>
        <translation>Signo galáctico</translation>
    </message>
    <message>
        <source>Degrees the frames read</source>
        <translation>Grados que leen los recuadros</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Instante de nacimiento usado</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneOffsetEntry</name>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Hora media local del lugar natal</translation>
    </message>
    <message>
        <source>Other offset (±hh:mm[:ss])…</source>
        <translation>Otra diferencia (±hh:mm[:ss])…</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Diferencia con UTC</translation>
    </message>
    <message>
        <source>East of Greenwich +, west −: hours, minutes and seconds, for example +05:45 or -00:25:21</source>
        <translation>Al este de Greenwich +, al oeste −: horas, minutos y segundos, por ejemplo +05:45 o -00:25:21</translation>
    </message>
    <message>
        <source>The local mean time of the longitude entered below: four minutes of clock per degree</source>
        <translation>La hora media local de la longitud indicada abajo: cuatro minutos de reloj por grado</translation>
    </message>
    <message>
        <source>Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm or -hh:mm:ss west of it, up to 15 hours</source>
        <translation>Indique la diferencia con el tiempo universal como +hh:mm o +hh:mm:ss al este de Greenwich, -hh:mm o -hh:mm:ss al oeste, hasta 15 horas</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneSuggestionLine</name>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Time zone suggestion</source>
        <translation>Zona horaria sugerida</translation>
    </message>
    <message>
        <source>Apply the suggested time zone</source>
        <translation>Aplicar la zona horaria sugerida</translation>
    </message>
    <message>
        <source> with Daylight Saving Time</source>
        <translation> con horario de verano</translation>
    </message>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Hora media local del lugar natal</translation>
    </message>
    <message>
        <source>Other offset %1</source>
        <translation>Otra diferencia %1</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Apply the time zone of the second time</source>
        <translation>Aplicar la zona horaria de la segunda vez</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
</context>
<context>
    <name>quorvane::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Product icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>More details about the fully branded edition</source>
        <translation>Más detalles sobre la edición con marca propia</translation>
    </message>
</context>
<context>
    <name>quorvane::frmDisplay</name>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Guardar como &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar lectura</translation>
    </message>
    <message>
        <source>Save &amp;Wheel Picture…</source>
        <translation>Guardar imagen de la &amp;rueda…</translation>
    </message>
    <message>
        <source>Show W&amp;heel…</source>
        <translation>&amp;Mostrar rueda…</translation>
    </message>
    <message>
        <source>&amp;Wheel…</source>
        <translation>&amp;Rueda…</translation>
    </message>
    <message>
        <source>Show the galactic wheel of this reading</source>
        <translation>Mostrar la rueda galáctica de esta lectura</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Guardar lectura como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer did not accept it.</source>
        <translation>No se pudo imprimir la lectura: la impresora no la aceptó.</translation>
    </message>
    <message>
        <source>Save Wheel Picture</source>
        <translation>Guardar imagen de la rueda</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg);;PNG pictures (*.png)</source>
        <translation>Imágenes SVG (*.svg);;Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>%1 characteristics</source>
        <translation>%1: características</translation>
    </message>
    <message>
        <source>Scroll %1 characteristics</source>
        <translation>Desplazar %1: características</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Imagen del signo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Instante de nacimiento usado</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Links and commands</source>
        <translation>Enlaces y comandos</translation>
    </message>
</context>
<context>
    <name>quorvane::frmMain</name>
    <message>
        <source>Open Births…</source>
        <translation>&amp;Abrir nacimientos…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>Open Recent births files</source>
        <translation>Archivos de nacimientos recientes</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Guardar en nacimientos</translation>
    </message>
    <message>
        <source>Save Births As…</source>
        <translation>Guardar nacimientos &amp;como…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Introduzca la ciudad.</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Introduzca la región.</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Introduzca el país.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>Minuto de nacimiento</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>Segundo de nacimiento</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitud, grados</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitud, minutos</translation>
    </message>
    <message>
        <source>Latitude: North</source>
        <translation>Latitud: norte</translation>
    </message>
    <message>
        <source>Latitude: South</source>
        <translation>Latitud: sur</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitud, grados</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitud, minutos</translation>
    </message>
    <message>
        <source>Longitude: East</source>
        <translation>Longitud: este</translation>
    </message>
    <message>
        <source>Longitude: West</source>
        <translation>Longitud: oeste</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Haga clic aquí para buscar latitud y longitud</translation>
    </message>
    <message>
        <source>0 to 90</source>
        <translation>De 0 a 90</translation>
    </message>
    <message>
        <source>0 to 180</source>
        <translation>De 0 a 180</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>De 0 a 59</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Time unknown</source>
        <translation>Hora desconocida</translation>
    </message>
    <message>
        <source>between</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Earliest birth hour</source>
        <translation>Hora de nacimiento más temprana</translation>
    </message>
    <message>
        <source>Earliest birth minute</source>
        <translation>Minuto de nacimiento más temprano</translation>
    </message>
    <message>
        <source>Latest birth hour</source>
        <translation>Hora de nacimiento más tardía</translation>
    </message>
    <message>
        <source>Latest birth minute</source>
        <translation>Minuto de nacimiento más tardío</translation>
    </message>
    <message>
        <source>Please Choose an Earliest Birth Time (&quot;%1&quot;) No Later Than the Latest (&quot;%2&quot;)</source>
        <translation>Elija una hora de nacimiento más temprana («%1») que no sea posterior a la más tardía («%2»).</translation>
    </message>
</context>
</TS>
