<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppShell</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution.</translation>
    </message>
</context>
<context>
    <name>BirthsQuestions</name>
    <message>
        <source>The births in %1 have changes that are not saved.</source>
        <translation>Les naissances de %1 ont des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them before closing?</source>
        <translation>Les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was read.</source>
        <translation>%1 a été modifié par un autre programme depuis sa lecture.</translation>
    </message>
    <message>
        <source>Overwriting it loses that program&apos;s changes.</source>
        <translation>L’écraser fera perdre les modifications de cet autre programme.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvane tells you about your galactic sign&apos;s personality traits from your date of birth: enter when and where you were born and read what your Galactic Sun, Moon, Ascendant and Descendant signs say.</source>
        <translation>Quorvane vous décrit les traits de personnalité de votre signe galactique d’après votre date de naissance : indiquez quand et où vous êtes né et découvrez ce que disent votre Soleil, votre Lune, votre Ascendant et votre Descendant galactiques.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Cliquez ici pour visiter </translation>
    </message>
    <message>
        <source>Home Business Opportunity. Offer a fully branded edition of this software on your own web site, with your name and logo, and earn from every visitor.</source>
        <translation>Une activité à domicile : proposez sur votre propre site une édition de ce logiciel à votre nom et avec votre logo, et gagnez de l’argent avec chaque visiteur.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
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
        <translation>Parlez de signes galactiques avec d’autres lecteurs : visitez le forum Quorvane et partagez ce que disait votre lecture</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <translation>Signe solaire galactique</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planète maîtresse</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constellation</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Characterstics</source>
        <translation>Caractéristiques</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <translation>Ascendant galactique</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <translation>Signe lunaire galactique</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <translation>Descendant galactique</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>Vous avez un site ? Mettez votre marque sur ce logiciel : offrez à vos visiteurs une lecture d’astrologie galactique gratuite à votre logo, avec des liens vers votre site, pour qu’ils reviennent chaque jour. Cliquez ici.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Une activité à domicile : obtenez une édition de ce logiciel à votre nom, avec votre logo et votre adresse web, et vendez-la sur votre propre site. Cliquez ici.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Faire un don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
    <message>
        <source>Galactic Sun Sign</source>
        <comment>row heading</comment>
        <translation>Signe solaire</translation>
    </message>
    <message>
        <source>Galactic Ascendant</source>
        <comment>row heading</comment>
        <translation>Ascendant</translation>
    </message>
    <message>
        <source>Galactic Moon Sign</source>
        <comment>row heading</comment>
        <translation>Signe lunaire</translation>
    </message>
    <message>
        <source>Galactic Descendant</source>
        <comment>row heading</comment>
        <translation>Descendant</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your reading said</source>
        <translation>Parlez de signes galactiques avec d’autres lecteurs : visitez le forum Quorvane et partagez ce que disait votre lecture</translation>
    </message>
    <message>
        <source>Know your Galactic sign with Quorvane. Enter your date of birth to get started!</source>
        <translation>Découvrez votre signe galactique avec Quorvane. Saisissez votre date de naissance pour commencer !</translation>
    </message>
    <message>
        <source>Enter Personal Details</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg.</translation>
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
        <translation>Longitude</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Cliquez ici pour trouver la latitude et la longitude</translation>
    </message>
    <message>
        <source>Get My Galactic Astrology Reading</source>
        <translation>Obtenir ma lecture d’astrologie galactique</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Get a fully branded edition of this software with your own name, logo and web address, and sell it from your own web site. Click here.</source>
        <translation>Une activité à domicile : obtenez une édition de ce logiciel à votre nom, avec votre logo et votre adresse web, et vendez-la sur votre propre site. Cliquez ici.</translation>
    </message>
    <message>
        <source>Own a web site? Co-brand this software: give your visitors a free galactic astrology reading that carries your logo and links back to your site, so they come back every day. Click here.</source>
        <translation>Vous avez un site ? Mettez votre marque sur ce logiciel : offrez à vos visiteurs une lecture d’astrologie galactique gratuite à votre logo, avec des liens vers votre site, pour qu’ils reviennent chaque jour. Cliquez ici.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Faire un don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsBook</name>
    <message>
        <source>Births files (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers de naissances (*.aaf *.csv);;Fichiers AAF (*.aaf);;Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>AAF files (*.aaf);;CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers AAF (*.aaf);;Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;AAF files (*.aaf);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Fichiers AAF (*.aaf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Open Births</source>
        <translation>Ouvrir des naissances</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossible d’ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>%1 of the records in %2 could not be read. They are listed with their line and reason, and kept as they are when the file is saved.</source>
        <translation>%1 des enregistrements de %2 n’ont pas pu être lus. Ils sont listés avec leur ligne et la raison, et conservés tels quels à l’enregistrement du fichier.</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Enregistrer dans les naissances</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Mettre à jour %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>No births file is open: open one, or save a birth with Save to Births.</source>
        <translation>Aucun fichier de naissances n’est ouvert : ouvrez-en un, ou enregistrez une naissance avec « Enregistrer dans les naissances ».</translation>
    </message>
    <message>
        <source>Save Births As</source>
        <translation>Enregistrer les naissances sous</translation>
    </message>
    <message>
        <source>The births could not be saved to %1: %2. They are kept here; save them elsewhere with Save Births As.</source>
        <translation>Les naissances n’ont pas pu être enregistrées dans %1 : %2. Elles sont conservées ici ; enregistrez-les ailleurs avec « Enregistrer les naissances sous ».</translation>
    </message>
    <message>
        <source>Import Births</source>
        <translation>Importer des naissances</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation>Impossible d’importer %1 : %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importer %1</translation>
    </message>
    <message>
        <source>%1 births imported from %2.</source>
        <translation>%1 naissances importées depuis %2.</translation>
    </message>
    <message>
        <source> %1 records could not be read and were not imported.</source>
        <translation> %1 enregistrements n’ont pas pu être lus et n’ont pas été importés.</translation>
    </message>
    <message>
        <source>Choose a time zone first.</source>
        <translation>Choisissez d’abord un fuseau horaire.</translation>
    </message>
    <message>
        <source>No Recent Births Files</source>
        <translation>Aucun fichier de naissances récent</translation>
    </message>
    <message>
        <source>%1 of the births give no zone or could not be read; CSV cannot hold them and they were left out of %2. Save as AAF to keep them.</source>
        <translation>%1 des naissances n’indiquent pas de fuseau ou n’ont pas pu être lues ; le format CSV ne peut pas les contenir et elles ont été omises de %2. Enregistrez au format AAF pour les conserver.</translation>
    </message>
    <message>
        <source>The list of recent births files could not be saved to %1. Open Recent will not offer them after Quorvane ends.</source>
        <translation>La liste des fichiers de naissances récents n’a pas pu être enregistrée dans %1. Ouvrir un fichier récent ne les proposera plus après la fermeture de Quorvane.</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>%1, time unknown</source>
        <extracomment>a births list&apos;s date of a birth whose file gives no clock time</extracomment>
        <translation>%1, heure inconnue</translation>
    </message>
</context>
<context>
    <name>quorvane::BirthsWindow</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Nom ou lieu</translation>
    </message>
    <message>
        <source>Filter births by name or place</source>
        <translation>Filtrer les naissances par nom ou lieu</translation>
    </message>
    <message>
        <source>Down arrow moves to the list</source>
        <translation>La flèche bas passe à la liste</translation>
    </message>
    <message>
        <source>Births</source>
        <translation>Naissances</translation>
    </message>
    <message>
        <source>Enter fills the birth-data form; Delete removes the birth</source>
        <translation>Entrée remplit le formulaire de naissance ; Suppr supprime la naissance</translation>
    </message>
    <message>
        <source>Number of births</source>
        <translation>Nombre de naissances</translation>
    </message>
    <message>
        <source>Note on the chosen birth</source>
        <translation>Remarque sur la naissance choisie</translation>
    </message>
    <message>
        <source>&amp;Records that could not be read:</source>
        <translation>&amp;Enregistrements illisibles :</translation>
    </message>
    <message>
        <source>Records that could not be read, with line and reason</source>
        <translation>Enregistrements illisibles, avec ligne et raison</translation>
    </message>
    <message>
        <source>F&amp;ill Form</source>
        <translation>&amp;Remplir le formulaire</translation>
    </message>
    <message>
        <source>Fill the birth-data form with the chosen birth</source>
        <translation>Remplir le formulaire de naissance avec la naissance choisie</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the chosen birth</source>
        <translation>Supprimer la naissance choisie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change to the births</source>
        <translation>Annuler la dernière modification des naissances</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the births file</source>
        <translation>Fermer le fichier de naissances</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Births – %1[*]</source>
        <translation>Naissances – %1[*]</translation>
    </message>
    <message numerus="yes">
        <source>%n birth(s)</source>
        <translation>
            <numerusform>%n naissance</numerusform>
            <numerusform>%n naissances</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n birth(s)</source>
        <translation>
            <numerusform>%1 sur %n naissance</numerusform>
            <numerusform>%1 sur %n naissances</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Line %1 (%2)</source>
        <translation>Ligne %1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvane::PlaceFinderDialog</name>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Trouver la latitude et la longitude</translation>
    </message>
    <message>
        <source>&amp;Place (City, State, Country):</source>
        <translation>&amp;Lieu (ville, région, pays) :</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
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
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Lieux trouvés</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>État de la recherche</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Search the web</source>
        <translation>Rechercher sur le Web</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot; exactly; places named &quot;%2&quot;:</source>
        <translation>Aucun lieu ne correspond exactement à « %1 » ; lieux nommés « %2 » :</translation>
    </message>
    <message>
        <source>The atlas cannot be searched: %1. Press &quot;Search the web&quot; to look the place up online.</source>
        <translation>Impossible de chercher dans l’atlas : %1. Appuyez sur « Rechercher sur le Web » pour chercher le lieu en ligne.</translation>
    </message>
    <message>
        <source>No place in the atlas matches &quot;%1&quot;. Press &quot;Search the web&quot; to look it up online.</source>
        <translation>Aucun lieu de l’atlas ne correspond à « %1 ». Appuyez sur « Rechercher sur le Web » pour le chercher en ligne.</translation>
    </message>
    <message>
        <source>Places: GeoNames (CC BY 4.0)</source>
        <translation>Lieux : GeoNames (CC BY 4.0)</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelView</name>
    <message>
        <source>Galactic wheel</source>
        <translation>Roue galactique</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun, the Moon, the Ascendant and the Descendant; the positions are listed beside the wheel</source>
        <translation>Les douze signes galactiques avec le Soleil, la Lune, l’Ascendant et le Descendant ; les positions sont listées à côté de la roue</translation>
    </message>
    <message>
        <source>The twelve galactic signs with the Sun and the Moon as arcs over the hours read, without the Ascendant; the positions are listed beside the wheel</source>
        <translation>Les douze signes galactiques avec le Soleil et la Lune en arcs sur les heures lues, sans l’Ascendant ; les positions sont listées à côté de la roue</translation>
    </message>
</context>
<context>
    <name>quorvane::WheelWindow</name>
    <message>
        <source>the Moon</source>
        <translation>la Lune</translation>
    </message>
    <message>
        <source>opposite the Moon</source>
        <translation>à l’opposé de la Lune</translation>
    </message>
    <message>
        <source>the Ascendant</source>
        <translation>l’Ascendant</translation>
    </message>
    <message>
        <source>opposite the Sun</source>
        <translation>à l’opposé du Soleil</translation>
    </message>
    <message>
        <source>the Descendant (opposite the Ascendant)</source>
        <translation>le Descendant (à l’opposé de l’Ascendant)</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4: %5</source>
        <translation>%1  « %2 » lit %3°, %4 : %5</translation>
    </message>
    <message>
        <source>%1  &quot;%2&quot; reads %3°, %4</source>
        <translation>%1  « %2 » lit %3°, %4</translation>
    </message>
    <message>
        <source>Galactic Wheel of %1 - %2</source>
        <translation>Roue galactique de %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>&amp;Positions</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Galactic sign</source>
        <translation>Signe galactique</translation>
    </message>
    <message>
        <source>Degrees the frames read</source>
        <translation>Degrés lus par les cadres</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>&amp;Enregistrer l’image…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Instant de naissance utilisé</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneOffsetEntry</name>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Temps moyen local du lieu natal</translation>
    </message>
    <message>
        <source>Other offset (±hh:mm[:ss])…</source>
        <translation>Autre décalage (±hh:mm[:ss])…</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Décalage UTC</translation>
    </message>
    <message>
        <source>East of Greenwich +, west −: hours, minutes and seconds, for example +05:45 or -00:25:21</source>
        <translation>Est de Greenwich +, ouest − : heures, minutes et secondes, par exemple +05:45 ou -00:25:21</translation>
    </message>
    <message>
        <source>The local mean time of the longitude entered below: four minutes of clock per degree</source>
        <translation>Le temps moyen local de la longitude saisie ci-dessous : quatre minutes d’horloge par degré</translation>
    </message>
    <message>
        <source>Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm or -hh:mm:ss west of it, up to 15 hours</source>
        <translation>Veuillez saisir le décalage par rapport au temps universel sous la forme +hh:mm ou +hh:mm:ss à l’est de Greenwich, -hh:mm ou -hh:mm:ss à l’ouest, jusqu’à 15 heures</translation>
    </message>
</context>
<context>
    <name>quorvane::ZoneSuggestionLine</name>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Time zone suggestion</source>
        <translation>Fuseau horaire suggéré</translation>
    </message>
    <message>
        <source>Apply the suggested time zone</source>
        <translation>Appliquer le fuseau horaire suggéré</translation>
    </message>
    <message>
        <source> with Daylight Saving Time</source>
        <translation> avec l’heure d’été</translation>
    </message>
    <message>
        <source>Local mean time of the birthplace</source>
        <translation>Temps moyen local du lieu natal</translation>
    </message>
    <message>
        <source>Other offset %1</source>
        <translation>Autre décalage %1</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Apply the time zone of the second time</source>
        <translation>Appliquer le fuseau horaire de la seconde fois</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
</context>
<context>
    <name>quorvane::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Product icon</source>
        <translation>Icône du logiciel</translation>
    </message>
    <message>
        <source>More details about the fully branded edition</source>
        <translation>En savoir plus sur l’édition à votre marque</translation>
    </message>
</context>
<context>
    <name>quorvane::frmDisplay</name>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copier la lecture</translation>
    </message>
    <message>
        <source>Save &amp;Wheel Picture…</source>
        <translation>Enregistrer l’image de la &amp;roue…</translation>
    </message>
    <message>
        <source>Show W&amp;heel…</source>
        <translation>&amp;Afficher la roue…</translation>
    </message>
    <message>
        <source>&amp;Wheel…</source>
        <translation>&amp;Roue…</translation>
    </message>
    <message>
        <source>Show the galactic wheel of this reading</source>
        <translation>Afficher la roue galactique de cette lecture</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Enregistrer la lecture en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer did not accept it.</source>
        <translation>La lecture n’a pas pu être imprimée : l’imprimante ne l’a pas acceptée.</translation>
    </message>
    <message>
        <source>Save Wheel Picture</source>
        <translation>Enregistrer l’image de la roue</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg);;PNG pictures (*.png)</source>
        <translation>Images SVG (*.svg);;Images PNG (*.png)</translation>
    </message>
    <message>
        <source>%1 characteristics</source>
        <translation>%1 : caractéristiques</translation>
    </message>
    <message>
        <source>Scroll %1 characteristics</source>
        <translation>Faire défiler %1 : caractéristiques</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Image du signe</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Birth instant used</source>
        <translation>Instant de naissance utilisé</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Bandeau</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Links and commands</source>
        <translation>Liens et commandes</translation>
    </message>
</context>
<context>
    <name>quorvane::frmMain</name>
    <message>
        <source>Open Births…</source>
        <translation>&amp;Ouvrir des naissances…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Open Recent births files</source>
        <translation>Fichiers de naissances récents</translation>
    </message>
    <message>
        <source>Save to Births</source>
        <translation>Enregistrer dans les naissances</translation>
    </message>
    <message>
        <source>Save Births As…</source>
        <translation>Enregistrer les naissances so&amp;us…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Veuillez saisir la ville.</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Veuillez saisir la région.</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Veuillez saisir le pays.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>Minute de naissance</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>Seconde de naissance</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude, degrés</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude, minutes</translation>
    </message>
    <message>
        <source>Latitude: North</source>
        <translation>Latitude : nord</translation>
    </message>
    <message>
        <source>Latitude: South</source>
        <translation>Latitude : sud</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude, degrés</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude, minutes</translation>
    </message>
    <message>
        <source>Longitude: East</source>
        <translation>Longitude : est</translation>
    </message>
    <message>
        <source>Longitude: West</source>
        <translation>Longitude : ouest</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Cliquez ici pour trouver la latitude et la longitude</translation>
    </message>
    <message>
        <source>0 to 90</source>
        <translation>De 0 à 90</translation>
    </message>
    <message>
        <source>0 to 180</source>
        <translation>De 0 à 180</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>De 0 à 59</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Bandeau</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Time unknown</source>
        <translation>Heure inconnue</translation>
    </message>
    <message>
        <source>between</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Earliest birth hour</source>
        <translation>Heure de naissance au plus tôt</translation>
    </message>
    <message>
        <source>Earliest birth minute</source>
        <translation>Minute de naissance au plus tôt</translation>
    </message>
    <message>
        <source>Latest birth hour</source>
        <translation>Heure de naissance au plus tard</translation>
    </message>
    <message>
        <source>Latest birth minute</source>
        <translation>Minute de naissance au plus tard</translation>
    </message>
    <message>
        <source>Please Choose an Earliest Birth Time (&quot;%1&quot;) No Later Than the Latest (&quot;%2&quot;)</source>
        <translation>Veuillez choisir une heure de naissance au plus tôt (« %1 ») qui ne soit pas postérieure à l’heure au plus tard (« %2 »).</translation>
    </message>
</context>
</TS>
