<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppShell</name>
    <message>
        <source>Application is already running</source>
        <translation>L’applicazione è già in esecuzione.</translation>
    </message>
</context>
<context>
    <name>BirthsQuestions</name>
    <message>
        <source>The births in %1 have changes that are not saved.</source>
        <translation>Le nascite in %1 hanno modifiche non salvate.</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>Salvarle prima di chiudere?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was read.</source>
        <translation>%1 è stato modificato da un altro programma dopo la lettura.</translation>
    </message>
    <message>
        <source>Overwriting it loses that program&apos;s changes.</source>
        <translation>Sovrascrivendolo si perdono le modifiche dell’altro programma.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sovrascrivi</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvane tells you about your galactic sign&apos;s personality traits from your date of birth: enter when and where you were born and read what your Galactic Sun, Moon, Ascendant and Descendant signs say.</source>
        <translation>Quorvane descrive i tratti della personalità del tuo segno galattico a partire dalla data di nascita: indica quando e dove sei nato e leggi che cosa dicono il tuo Sole, la tua Luna, il tuo Ascendente e il tuo Discendente galattici.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Fai clic qui per visitare </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Offer a fully branded edition of this software on your own web site, with your name and logo, and earn from every visitor.</source>
        <translation>Un’attività da casa: offri sul tuo sito un’edizione di questo software con il tuo nome e il tuo logo e guadagna da ogni visitatore.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Fai clic qui per maggiori dettagli</translation>
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
        <translation>Parla di segni galattici con altri lettori: visita il forum di Quorvane e racconta che cosa diceva la tua lettura</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <translation>Segno solare galattico</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Pianeta dominante</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Costellazione</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <source>Characterstics</source>
        <translation>Caratteristiche</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <translation>Ascendente galattico</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <translation>Segno lunare galattico</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <translation>Discendente galattico</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>Hai un sito web? Metti il tuo marchio su questo software: offri ai visitatori una lettura di astrologia galattica gratuita con il tuo logo e i link al tuo sito, così torneranno ogni giorno. Fai clic qui.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Un’attività da casa: ottieni un’edizione di questo software con il tuo nome, il tuo logo e il tuo indirizzo web, e vendila dal tuo sito. Fai clic qui.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <comment>row heading</comment>
        <translation>Segno solare</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <comment>row heading</comment>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <comment>row heading</comment>
        <translation>Segno lunare</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <comment>row heading</comment>
        <translation>Discendente</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Parla di segni galattici con altri lettori: visita il forum di Quorvane e racconta che cosa diceva la tua lettura</translation>
    </message>
    <message>
        <source>Know your Galactic sign with Quorvane. Enter your date of birth to get started!</source>
        <translation>Scopri il tuo segno galattico con Quorvane. Inserisci la data di nascita per iniziare!</translation>
    </message>
    <message>
        <source>Enter Personal Details</source>
        <translation>Dati personali</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Gradi</translation>
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
        <translation>Sud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Fai clic qui per trovare latitudine e longitudine</translation>
    </message>
    <message>
        <source>Get My Galactic Astrology Reading</source>
        <translation>Ottieni la mia lettura di astrologia galattica</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Un’attività da casa: ottieni un’edizione di questo software con il tuo nome, il tuo logo e il tuo indirizzo web, e vendila dal tuo sito. Fai clic qui.</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>Hai un sito web? Metti il tuo marchio su questo software: offri ai visitatori una lettura di astrologia galattica gratuita con il tuo logo e i link al tuo sito, così torneranno ogni giorno. Fai clic qui.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsBook</name>
    <message>
        <source>Births files (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>File di nascite (*.aaf *.csv);;File AAF (*.aaf);;File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>File AAF (*.aaf);;File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;AAF files (*.aaf);;All files (*)</source>
        <translation>File CSV (*.csv);;File AAF (*.aaf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <source>Open Births</source>
        <translation>Apri nascite</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>%1 of the records in %2 could not be read. They are listed with their line and reason, and kept as they are when the file is saved.</source>
        <translation>Non è stato possibile leggere %1 dei record in %2. Sono elencati con la riga e il motivo, e restano invariati quando si salva il file.</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Salva nelle nascite</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Aggiorna %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Aggiungi %1</translation>
    </message>
    <message>
        <source>No births file is open: open one, or save a birth with Save to Births.</source>
        <translation>Nessun file di nascite è aperto: aprine uno oppure salva una nascita con «Salva nelle nascite».</translation>
    </message>
    <message>
        <source>Save Births As</source>
        <translation>Salva nascite come</translation>
    </message>
    <message>
        <source>The births could not be saved to %1: %2. They are kept here; save them elsewhere with Save Births As.</source>
        <translation>Impossibile salvare le nascite in %1: %2. Restano qui; salvale altrove con «Salva nascite come».</translation>
    </message>
    <message>
        <source>Import Births</source>
        <translation>Importa nascite</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation>Impossibile importare %1: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importa %1</translation>
    </message>
    <message>
        <source>%1 births imported from %2.</source>
        <translation>%1 nascite importate da %2.</translation>
    </message>
    <message>
        <source> %1 records could not be read and were not imported.</source>
        <translation> %1 record non sono stati letti e non sono stati importati.</translation>
    </message>
    <message>
        <source>Choose a time zone first.</source>
        <translation>Scegli prima un fuso orario.</translation>
    </message>
    <message>
        <source>No Recent Births Files</source>
        <translation>Nessun file di nascite recente</translation>
    </message>
    <message>
        <source>%1 of the births give no zone or could not be read; CSV cannot hold them and they were left out of %2. Save as AAF to keep them.</source>
        <translation>%1 delle nascite non indicano un fuso o non sono state lette; il CSV non può contenerle e sono state escluse da %2. Salva in AAF per conservarle.</translation>
    </message>
    <message>
        <source>The list of recent births files could not be saved to %1. Open Recent will not offer them after Quorvane ends.</source>
        <translation>Impossibile salvare l’elenco dei file di nascite recenti in %1. Apri recenti non li proporrà più dopo la chiusura di Quorvane.</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsListModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>%1, time unknown</source>
        <extracomment>a births list&apos;s date of a birth whose file gives no clock time</extracomment>
        <translation>%1, ora sconosciuta</translation>
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
        <translation>Nome o luogo</translation>
    </message>
    <message>
        <source>Filter births by name or place</source>
        <translation>Filtra le nascite per nome o luogo</translation>
    </message>
    <message>
        <source>Down arrow moves to the list</source>
        <translation>La freccia giù passa all’elenco</translation>
    </message>
    <message>
        <source>Births</source>
        <translation>Nascite</translation>
    </message>
    <message>
        <source>Enter fills the birth-data form; Delete removes the birth</source>
        <translation>Invio compila il modulo dei dati di nascita; Canc elimina la nascita</translation>
    </message>
    <message>
        <source>Number of births</source>
        <translation>Numero di nascite</translation>
    </message>
    <message>
        <source>Note on the chosen birth</source>
        <translation>Nota sulla nascita scelta</translation>
    </message>
    <message>
        <source>&amp;Records that could not be read:</source>
        <translation>&amp;Record non leggibili:</translation>
    </message>
    <message>
        <source>Records that could not be read, with line and reason</source>
        <translation>Record non leggibili, con riga e motivo</translation>
    </message>
    <message>
        <source>F&amp;ill Form</source>
        <translation>&amp;Compila modulo</translation>
    </message>
    <message>
        <source>Fill the birth-data form with the chosen birth</source>
        <translation>Compila il modulo dei dati di nascita con la nascita scelta</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete the chosen birth</source>
        <translation>Elimina la nascita scelta</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last change to the births</source>
        <translation>Annulla l’ultima modifica alle nascite</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close the births file</source>
        <translation>Chiudi il file di nascite</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Births – %1[*]</source>
        <translation>Nascite – %1[*]</translation>
    </message>
    <message numerus="yes">
        <source>%n birth(s)</source>
        <translation>
            <numerusform>%n nascita</numerusform>
            <numerusform>%n nascite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n birth(s)</source>
        <translation>
            <numerusform>%1 di %n nascita</numerusform>
            <numerusform>%1 di %n nascite</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <translation>Riga %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvane::PlaceFinderDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Trova latitudine e longitudine</translation>
    </message>
    <message>
        <source>&amp;Place (City, State, Country):</source>
        <translation>&amp;Luogo (città, regione, paese):</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Luoghi trovati</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stato della ricerca</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Cerca sul web</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot; exactly; places named &quot;%2&quot;:</source>
        <translation>Nessun luogo corrisponde esattamente a «%1»; luoghi chiamati «%2»:</translation>
    </message>
    <message>
        <source>The atlas cannot be searched: %1. Press &quot;Search the web&quot; to look the place up online.</source>
        <translation>Impossibile cercare nell’atlante: %1. Premi «Cerca sul web» per cercare il luogo online.</translation>
    </message>
    <message>
        <source>No place in the atlas matches &quot;%1&quot;. Press &quot;Search the web&quot; to look it up online.</source>
        <translation>Nessun luogo dell’atlante corrisponde a «%1». Premi «Cerca sul web» per cercarlo online.</translation>
    </message>
    <message>
        <source>Places: GeoNames (CC BY 4.0)</source>
        <translation>Luoghi: GeoNames (CC BY 4.0)</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelView</name>
    <message>
        <source>Galactic wheel</source>
        <translation>Ruota galattica</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun, the Moon, the Ascendant and the Descendant; the positions are listed beside the wheel</source>
        <translation>I dodici segni galattici con il Sole, la Luna, l’Ascendente e il Discendente; le posizioni sono elencate accanto alla ruota</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun and the Moon as arcs over the hours read, without the Ascendant; the positions are listed beside the wheel</source>
        <translation>I dodici segni galattici con il Sole e la Luna come archi sulle ore lette, senza l’Ascendente; le posizioni sono elencate accanto alla ruota</translation>
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
        <translation>opposto alla Luna</translation>
    </message>
    <message>
        <source>the Ascendant</source>
        <translation>l’Ascendente</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>opposto al Sole</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>il Discendente (opposto all’Ascendente)</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <translation>%1  «%2» legge %3°, %4: %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  «%2» legge %3°, %4</translation>
    </message>
    <message>
        <source>Galactic Wheel of %1 - %2</source>
        <translation>Ruota galattica di %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>&amp;Posizioni</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Galactic sign</source>
        <translation>Segno galattico</translation>
    </message>
    <message>
        <source>Degrees the frames read</source>
        <translation>Gradi letti dai riquadri</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Salva immagine…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Istante di nascita usato</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneOffsetEntry</name>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Tempo medio locale del luogo natale</translation>
    </message>
    <message>
        <source>Other offset (±hh:mm[:ss])…</source>
        <translation>Altra differenza (±hh:mm[:ss])…</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Differenza da UTC</translation>
    </message>
    <message>
        <source>East of Greenwich +, west −: hours, minutes and seconds, for example +05:45 or -00:25:21</source>
        <translation>A est di Greenwich +, a ovest −: ore, minuti e secondi, per esempio +05:45 o -00:25:21</translation>
    </message>
    <message>
        <source>The local mean time of the longitude entered below: four minutes of clock per degree</source>
        <translation>Il tempo medio locale della longitudine inserita sotto: quattro minuti di orologio per grado</translation>
    </message>
    <message>
        <source>Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm or -hh:mm:ss west of it, up to 15 hours</source>
        <translation>Inserisci la differenza dal tempo universale come +hh:mm o +hh:mm:ss a est di Greenwich, -hh:mm o -hh:mm:ss a ovest, fino a 15 ore</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneSuggestionLine</name>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Time zone suggestion</source>
        <translation>Fuso orario suggerito</translation>
    </message>
    <message>
        <source>Apply the suggested time zone</source>
        <translation>Applica il fuso orario suggerito</translation>
    </message>
    <message>
        <source> with Daylight Saving Time</source>
        <translation> con ora legale</translation>
    </message>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Tempo medio locale del luogo natale</translation>
    </message>
    <message>
        <source>Other offset %1</source>
        <translation>Altra differenza %1</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconda</translation>
    </message>
    <message>
        <source>Apply the time zone of the second time</source>
        <translation>Applica il fuso orario della seconda volta</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prima</translation>
    </message>
</context>
<context>
    <name>quorvane::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Fai clic qui per visitare %1</translation>
    </message>
    <message>
        <source>Product icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>More details about the fully branded edition</source>
        <translation>Maggiori dettagli sull’edizione con il proprio marchio</translation>
    </message>
</context>
<context>
    <name>quorvane::frmDisplay</name>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Salva come &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copia lettura</translation>
    </message>
    <message>
        <source>Save &amp;Wheel Picture…</source>
        <translation>Salva immagine della &amp;ruota…</translation>
    </message>
    <message>
        <source>Show W&amp;heel…</source>
        <translation>&amp;Mostra ruota…</translation>
    </message>
    <message>
        <source>&amp;Wheel…</source>
        <translation>&amp;Ruota…</translation>
    </message>
    <message>
        <source>Show the galactic wheel of this reading</source>
        <translation>Mostra la ruota galattica di questa lettura</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Salva lettura come PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer did not accept it.</source>
        <translation>Impossibile stampare la lettura: la stampante non l’ha accettata.</translation>
    </message>
    <message>
        <source>Save Wheel Picture</source>
        <translation>Salva immagine della ruota</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg);;PNG pictures (*.png)</source>
        <translation>Immagini SVG (*.svg);;Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>%1 characteristics</source>
        <translation>%1: caratteristiche</translation>
    </message>
    <message>
        <source>Scroll %1 characteristics</source>
        <translation>Scorri %1: caratteristiche</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Immagine del segno</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Istante di nascita usato</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Links and commands</source>
        <translation>Link e comandi</translation>
    </message>
</context>
<context>
    <name>quorvane::frmMain</name>
    <message>
        <source>Open Births…</source>
        <translation>&amp;Apri nascite…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>Open Recent births files</source>
        <translation>File di nascite recenti</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Salva nelle nascite</translation>
    </message>
    <message>
        <source>Save Births As…</source>
        <translation>Salva nascite co&amp;me…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Inserire la città.</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Inserire la regione.</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Inserire il paese.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Mese di nascita</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>Giorno di nascita</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>Minuto di nascita</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>Secondo di nascita</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitudine, gradi</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitudine, minuti</translation>
    </message>
    <message>
        <source>Latitude: North</source>
        <translation>Latitudine: nord</translation>
    </message>
    <message>
        <source>Latitude: South</source>
        <translation>Latitudine: sud</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitudine, gradi</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitudine, minuti</translation>
    </message>
    <message>
        <source>Longitude: East</source>
        <translation>Longitudine: est</translation>
    </message>
    <message>
        <source>Longitude: West</source>
        <translation>Longitudine: ovest</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Fai clic qui per trovare latitudine e longitudine</translation>
    </message>
    <message>
        <source>0 to 90</source>
        <translation>Da 0 a 90</translation>
    </message>
    <message>
        <source>0 to 180</source>
        <translation>Da 0 a 180</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>Da 0 a 59</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Time unknown</source>
        <translation>Ora sconosciuta</translation>
    </message>
    <message>
        <source>between</source>
        <translation>tra</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>Earliest birth hour</source>
        <translation>Ora di nascita più anticipata</translation>
    </message>
    <message>
        <source>Earliest birth minute</source>
        <translation>Minuto di nascita più anticipato</translation>
    </message>
    <message>
        <source>Latest birth hour</source>
        <translation>Ora di nascita più tarda</translation>
    </message>
    <message>
        <source>Latest birth minute</source>
        <translation>Minuto di nascita più tardo</translation>
    </message>
    <message>
        <source>Please Choose an Earliest Birth Time (&quot;%1&quot;) No Later Than the Latest (&quot;%2&quot;)</source>
        <translation>Scegliere un’ora di nascita più anticipata («%1») non successiva a quella più tarda («%2»).</translation>
    </message>
</context>
</TS>
