<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppShell</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução.</translation>
    </message>
</context>
<context>
    <name>BirthsQuestions</name>
    <message>
        <source>The births in %1 have changes that are not saved.</source>
        <translation>Os nascimentos em %1 têm alterações não salvas.</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>Salvar antes de fechar?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was read.</source>
        <translation>%1 foi alterado por outro programa desde que foi lido.</translation>
    </message>
    <message>
        <source>Overwriting it loses that program&apos;s changes.</source>
        <translation>Sobrescrever o arquivo descarta as alterações desse programa.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescrever</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvane tells you about your galactic sign&apos;s personality traits from your date of birth: enter when and where you were born and read what your Galactic Sun, Moon, Ascendant and Descendant signs say.</source>
        <translation>O Quorvane descreve os traços de personalidade do seu signo galáctico a partir da sua data de nascimento: informe quando e onde você nasceu e leia o que dizem o seu Sol, a sua Lua, o seu Ascendente e o seu Descendente galácticos.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Clique aqui para visitar </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Offer a fully branded edition of this software on your own web site, with your name and logo, and earn from every visitor.</source>
        <translation>Oportunidade de negócio em casa. Ofereça no seu próprio site uma edição deste software com o seu nome e o seu logotipo e ganhe com cada visitante.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui para mais detalhes</translation>
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
        <translation>Converse sobre signos galácticos com outros leitores: visite o fórum do Quorvane e conte o que a sua leitura disse</translation>
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
        <translation>Constelação</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
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
        <translation>Tem um site? Coloque a sua marca neste software: ofereça aos visitantes uma leitura de astrologia galáctica gratuita com o seu logotipo e links para o seu site, para que voltem todos os dias. Clique aqui.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Oportunidade de negócio em casa. Tenha uma edição deste software com o seu nome, logotipo e endereço web e venda-a no seu próprio site. Clique aqui.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhe dinheiro online</translation>
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
        <translation>Converse sobre signos galácticos com outros leitores: visite o fórum do Quorvane e conte o que a sua leitura disse</translation>
    </message>
    <message>
        <source>Know your Galactic sign with Quorvane. Enter your date of birth to get started!</source>
        <translation>Conheça seu signo galáctico com o Quorvane. Digite sua data de nascimento para começar!</translation>
    </message>
    <message>
        <source>Enter Personal Details</source>
        <translation>Dados pessoais</translation>
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
        <translation>Hora</translation>
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
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Graus</translation>
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
        <translation>Sul</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Clique aqui para encontrar latitude e longitude</translation>
    </message>
    <message>
        <source>Get My Galactic Astrology Reading</source>
        <translation>Obter minha leitura de astrologia galáctica</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Oportunidade de negócio em casa. Tenha uma edição deste software com o seu nome, logotipo e endereço web e venda-a no seu próprio site. Clique aqui.</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>Tem um site? Coloque a sua marca neste software: ofereça aos visitantes uma leitura de astrologia galáctica gratuita com o seu logotipo e links para o seu site, para que voltem todos os dias. Clique aqui.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhe dinheiro online</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsBook</name>
    <message>
        <source>Births files (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos de nascimentos (*.aaf *.csv);;Arquivos AAF (*.aaf);;Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos AAF (*.aaf);;Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;AAF files (*.aaf);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Arquivos AAF (*.aaf);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Excluir %1</translation>
    </message>
    <message>
        <source>Open Births</source>
        <translation>Abrir nascimentos</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 of the records in %2 could not be read. They are listed with their line and reason, and kept as they are when the file is saved.</source>
        <translation>Não foi possível ler %1 dos registros de %2. Eles aparecem com a linha e o motivo, e são mantidos como estão ao salvar o arquivo.</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Salvar em nascimentos</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Atualizar %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Adicionar %1</translation>
    </message>
    <message>
        <source>No births file is open: open one, or save a birth with Save to Births.</source>
        <translation>Nenhum arquivo de nascimentos está aberto: abra um ou salve um nascimento com “Salvar em nascimentos”.</translation>
    </message>
    <message>
        <source>Save Births As</source>
        <translation>Salvar nascimentos como</translation>
    </message>
    <message>
        <source>The births could not be saved to %1: %2. They are kept here; save them elsewhere with Save Births As.</source>
        <translation>Não foi possível salvar os nascimentos em %1: %2. Eles continuam aqui; salve-os em outro lugar com “Salvar nascimentos como”.</translation>
    </message>
    <message>
        <source>Import Births</source>
        <translation>Importar nascimentos</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation>Não foi possível importar %1: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>%1 births imported from %2.</source>
        <translation>%1 nascimentos importados de %2.</translation>
    </message>
    <message>
        <source> %1 records could not be read and were not imported.</source>
        <translation> %1 registros não puderam ser lidos e não foram importados.</translation>
    </message>
    <message>
        <source>Choose a time zone first.</source>
        <translation>Escolha primeiro um fuso horário.</translation>
    </message>
    <message>
        <source>No Recent Births Files</source>
        <translation>Nenhum arquivo de nascimentos recente</translation>
    </message>
    <message>
        <source>%1 of the births give no zone or could not be read; CSV cannot hold them and they were left out of %2. Save as AAF to keep them.</source>
        <translation>%1 dos nascimentos não informam fuso ou não puderam ser lidos; o CSV não comporta esses registros e eles ficaram fora de %2. Salve como AAF para mantê-los.</translation>
    </message>
    <message>
        <source>The list of recent births files could not be saved to %1. Open Recent will not offer them after Quorvane ends.</source>
        <translation>Não foi possível salvar a lista de arquivos de nascimentos recentes em %1. Abrir recentes não vai oferecê-los depois que o Quorvane for fechado.</translation>
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
        <translation>Local</translation>
    </message>
    <message>
        <source>%1, time unknown</source>
        <extracomment>a births list&apos;s date of a birth whose file gives no clock time</extracomment>
        <translation>%1, hora desconhecida</translation>
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
        <translation>Nome ou local</translation>
    </message>
    <message>
        <source>Filter births by name or place</source>
        <translation>Filtrar nascimentos por nome ou local</translation>
    </message>
    <message>
        <source>Down arrow moves to the list</source>
        <translation>A seta para baixo vai para a lista</translation>
    </message>
    <message>
        <source>Births</source>
        <translation>Nascimentos</translation>
    </message>
    <message>
        <source>Enter fills the birth-data form; Delete removes the birth</source>
        <translation>Enter preenche o formulário de nascimento; Delete exclui o nascimento</translation>
    </message>
    <message>
        <source>Number of births</source>
        <translation>Número de nascimentos</translation>
    </message>
    <message>
        <source>Note on the chosen birth</source>
        <translation>Observação sobre o nascimento escolhido</translation>
    </message>
    <message>
        <source>&amp;Records that could not be read:</source>
        <translation>&amp;Registros que não puderam ser lidos:</translation>
    </message>
    <message>
        <source>Records that could not be read, with line and reason</source>
        <translation>Registros que não puderam ser lidos, com linha e motivo</translation>
    </message>
    <message>
        <source>F&amp;ill Form</source>
        <translation>&amp;Preencher formulário</translation>
    </message>
    <message>
        <source>Fill the birth-data form with the chosen birth</source>
        <translation>Preencher o formulário de nascimento com o nascimento escolhido</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Delete the chosen birth</source>
        <translation>Excluir o nascimento escolhido</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change to the births</source>
        <translation>Desfazer a última alteração nos nascimentos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close the births file</source>
        <translation>Fechar o arquivo de nascimentos</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Births – %1[*]</source>
        <translation>Nascimentos – %1[*]</translation>
    </message>
    <message numerus="yes">
        <source>%n birth(s)</source>
        <translation>
            <numerusform>%n nascimento</numerusform>
            <numerusform>%n nascimentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n birth(s)</source>
        <translation>
            <numerusform>%1 de %n nascimento</numerusform>
            <numerusform>%1 de %n nascimentos</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <translation>Linha %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvane::PlaceFinderDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Encontrar latitude e longitude</translation>
    </message>
    <message>
        <source>&amp;Place (City, State, Country):</source>
        <translation>&amp;Local (cidade, estado, país):</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Locais encontrados</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Status da busca</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Pesquisar na web</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot; exactly; places named &quot;%2&quot;:</source>
        <translation>Nenhum local corresponde exatamente a “%1”; locais chamados “%2”:</translation>
    </message>
    <message>
        <source>The atlas cannot be searched: %1. Press &quot;Search the web&quot; to look the place up online.</source>
        <translation>Não é possível pesquisar no atlas: %1. Clique em “Pesquisar na web” para procurar o local online.</translation>
    </message>
    <message>
        <source>No place in the atlas matches &quot;%1&quot;. Press &quot;Search the web&quot; to look it up online.</source>
        <translation>Nenhum local do atlas corresponde a “%1”. Clique em “Pesquisar na web” para procurá-lo online.</translation>
    </message>
    <message>
        <source>Places: GeoNames (CC BY 4.0)</source>
        <translation>Locais: GeoNames (CC BY 4.0)</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelView</name>
    <message>
        <source>Galactic wheel</source>
        <translation>Roda galáctica</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun, the Moon, the Ascendant and the Descendant; the positions are listed beside the wheel</source>
        <translation>Os doze signos galácticos com o Sol, a Lua, o Ascendente e o Descendente; as posições estão listadas ao lado da roda</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun and the Moon as arcs over the hours read, without the Ascendant; the positions are listed beside the wheel</source>
        <translation>Os doze signos galácticos com o Sol e a Lua como arcos sobre as horas lidas, sem o Ascendente; as posições estão listadas ao lado da roda</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelWindow</name>
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
        <translation>o Descendente (oposto ao Ascendente)</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <translation>%1  “%2” lê %3°, %4: %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  “%2” lê %3°, %4</translation>
    </message>
    <message>
        <source>Galactic Wheel of %1 - %2</source>
        <translation>Roda galáctica de %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>&amp;Posições</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posições</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Galactic sign</source>
        <translation>Signo galáctico</translation>
    </message>
    <message>
        <source>Degrees the frames read</source>
        <translation>Graus lidos pelos quadros</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Salvar imagem…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Instante de nascimento usado</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneOffsetEntry</name>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Hora média local do lugar natal</translation>
    </message>
    <message>
        <source>Other offset (±hh:mm[:ss])…</source>
        <translation>Outra diferença (±hh:mm[:ss])…</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Diferença do UTC</translation>
    </message>
    <message>
        <source>East of Greenwich +, west −: hours, minutes and seconds, for example +05:45 or -00:25:21</source>
        <translation>A leste de Greenwich +, a oeste −: horas, minutos e segundos, por exemplo +05:45 ou -00:25:21</translation>
    </message>
    <message>
        <source>The local mean time of the longitude entered below: four minutes of clock per degree</source>
        <translation>A hora média local da longitude informada abaixo: quatro minutos de relógio por grau</translation>
    </message>
    <message>
        <source>Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm or -hh:mm:ss west of it, up to 15 hours</source>
        <translation>Informe a diferença do tempo universal como +hh:mm ou +hh:mm:ss a leste de Greenwich, -hh:mm ou -hh:mm:ss a oeste, até 15 horas</translation>
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
        <translation>Fuso horário sugerido</translation>
    </message>
    <message>
        <source>Apply the suggested time zone</source>
        <translation>Aplicar o fuso horário sugerido</translation>
    </message>
    <message>
        <source> with Daylight Saving Time</source>
        <translation> com horário de verão</translation>
    </message>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Hora média local do lugar natal</translation>
    </message>
    <message>
        <source>Other offset %1</source>
        <translation>Outra diferença %1</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Apply the time zone of the second time</source>
        <translation>Aplicar o fuso horário da segunda vez</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primeira</translation>
    </message>
</context>
<context>
    <name>quorvane::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>Product icon</source>
        <translation>Ícone do programa</translation>
    </message>
    <message>
        <source>More details about the fully branded edition</source>
        <translation>Mais detalhes sobre a edição com marca própria</translation>
    </message>
</context>
<context>
    <name>quorvane::frmDisplay</name>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Salvar como &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar leitura</translation>
    </message>
    <message>
        <source>Save &amp;Wheel Picture…</source>
        <translation>Salvar imagem da &amp;roda…</translation>
    </message>
    <message>
        <source>Show W&amp;heel…</source>
        <translation>&amp;Mostrar roda…</translation>
    </message>
    <message>
        <source>&amp;Wheel…</source>
        <translation>&amp;Roda…</translation>
    </message>
    <message>
        <source>Show the galactic wheel of this reading</source>
        <translation>Mostrar a roda galáctica desta leitura</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Salvar leitura como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer did not accept it.</source>
        <translation>Não foi possível imprimir a leitura: a impressora não a aceitou.</translation>
    </message>
    <message>
        <source>Save Wheel Picture</source>
        <translation>Salvar imagem da roda</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg);;PNG pictures (*.png)</source>
        <translation>Imagens SVG (*.svg);;Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>%1 characteristics</source>
        <translation>%1: características</translation>
    </message>
    <message>
        <source>Scroll %1 characteristics</source>
        <translation>Rolar %1: características</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Imagem do signo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Instante de nascimento usado</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Cabeçalho</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Links and commands</source>
        <translation>Links e comandos</translation>
    </message>
</context>
<context>
    <name>quorvane::frmMain</name>
    <message>
        <source>Open Births…</source>
        <translation>&amp;Abrir nascimentos…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir &amp;recentes</translation>
    </message>
    <message>
        <source>Open Recent births files</source>
        <translation>Arquivos de nascimentos recentes</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Salvar em nascimentos</translation>
    </message>
    <message>
        <source>Save Births As…</source>
        <translation>Salvar nascimentos &amp;como…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Digite a cidade.</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Digite o estado.</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Digite o país.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Mês de nascimento</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>Dia de nascimento</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>Minuto de nascimento</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>Segundo de nascimento</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude, graus</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude, minutos</translation>
    </message>
    <message>
        <source>Latitude: North</source>
        <translation>Latitude: norte</translation>
    </message>
    <message>
        <source>Latitude: South</source>
        <translation>Latitude: sul</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude, graus</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude, minutos</translation>
    </message>
    <message>
        <source>Longitude: East</source>
        <translation>Longitude: leste</translation>
    </message>
    <message>
        <source>Longitude: West</source>
        <translation>Longitude: oeste</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Clique aqui para encontrar latitude e longitude</translation>
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
        <translation>Cabeçalho</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ligações</translation>
    </message>
    <message>
        <source>Time unknown</source>
        <translation>Hora desconhecida</translation>
    </message>
    <message>
        <source>between</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>Earliest birth hour</source>
        <translation>Hora de nascimento mais cedo</translation>
    </message>
    <message>
        <source>Earliest birth minute</source>
        <translation>Minuto de nascimento mais cedo</translation>
    </message>
    <message>
        <source>Latest birth hour</source>
        <translation>Hora de nascimento mais tarde</translation>
    </message>
    <message>
        <source>Latest birth minute</source>
        <translation>Minuto de nascimento mais tarde</translation>
    </message>
    <message>
        <source>Please Choose an Earliest Birth Time (&quot;%1&quot;) No Later Than the Latest (&quot;%2&quot;)</source>
        <translation>Escolha uma hora de nascimento mais cedo (“%1”) que não seja posterior à mais tarde (“%2”).</translation>
    </message>
</context>
</TS>
