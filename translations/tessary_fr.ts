<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Resizes, turns and converts many pictures in one go, and hands them to your mail program.</source>
        <translation>Redimensionne, fait pivoter et convertit de nombreuses images en une seule fois, et les confie à votre logiciel de messagerie.</translation>
    </message>
    <message>
        <source>Tessary is free software under the MIT licence:</source>
        <translation>Tessary est un logiciel libre sous licence MIT&#xa0;:</translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>À propos de Tessary</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>it is in the list already, as %1</source>
        <translation>elle figure déjà dans la liste, en tant que %1</translation>
    </message>
    <message>
        <source>it has %1 pages and only its first could be written in its place, so it is kept as it is</source>
        <translation>elle a %1 pages et seule la première pourrait être écrite à sa place&#xa0;; elle reste donc telle quelle</translation>
    </message>
    <message>
        <source>its name would put it outside %1</source>
        <translation>son nom la placerait hors de %1</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>quelque chose qui n’est pas un fichier porte son nom</translation>
    </message>
    <message>
        <source>it would be written over the source picture %1, which is not to be overwritten</source>
        <translation>elle écraserait l’image source %1, qui ne doit pas être écrasée</translation>
    </message>
    <message>
        <source>another result of this batch, from %1, has its name</source>
        <translation>un autre résultat de ce lot, issu de %1, porte son nom</translation>
    </message>
    <message>
        <source>its name %1 is a source picture&apos;s</source>
        <translation>son nom %1 est celui d’une image source</translation>
    </message>
    <message>
        <source>the batch was stopped</source>
        <translation>le lot a été arrêté</translation>
    </message>
    <message>
        <source>The padding colour &quot;%1&quot; is not an RGB colour in hex, such as FFFFFF for white, nor empty for transparent.</source>
        <translation>La couleur du fond «&#xa0;%1&#xa0;» n’est ni une couleur RVB en hexadécimal, comme FFFFFF pour le blanc, ni vide pour la transparence.</translation>
    </message>
    <message>
        <source>the new size of %1 x %2 pixels is not possible</source>
        <translation>la nouvelle taille de %1 × %2 pixels n’est pas possible</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos;</source>
        <translation>une «&#xa0;}&#xa0;» sans sa «&#xa0;{&#xa0;»</translation>
    </message>
    <message>
        <source>a &apos;{&apos; without its &apos;}&apos;</source>
        <translation>une «&#xa0;{&#xa0;» sans sa «&#xa0;}&#xa0;»</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; has %2.</source>
        <translation>Le modèle de nom «&#xa0;%1&#xa0;» contient %2.</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; has the unknown token {%2}; the tokens are {name}, {ext}, {w}, {h}, {n}, {n:3}, {date}, {time} and {folder}.</source>
        <translation>Le modèle de nom «&#xa0;%1&#xa0;» contient le code inconnu {%2}&#xa0;; les codes sont {name}, {ext}, {w}, {h}, {n}, {n:3}, {date}, {time} et {folder}.</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; would put results outside the destination folder.</source>
        <translation>Le modèle de nom «&#xa0;%1&#xa0;» placerait des résultats hors du dossier de destination.</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; gives no file name after its last &quot;/&quot;.</source>
        <translation>Le modèle de nom «&#xa0;%1&#xa0;» ne donne aucun nom de fichier après sa dernière «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>%1 cannot be changed for a further output</source>
        <translation>%1 ne peut pas être modifié pour une sortie supplémentaire</translation>
    </message>
    <message>
        <source>further output %1 (%2): %3</source>
        <translation>sortie supplémentaire %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>the source&apos;s type</source>
        <translation>le type de la source</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>taille réelle</translation>
    </message>
    <message>
        <source>fitted to the desktop</source>
        <translation>ajustée au bureau</translation>
    </message>
    <message>
        <source>cannot make the folder %1 (%2)</source>
        <translation>impossible de créer le dossier %1 (%2)</translation>
    </message>
    <message>
        <source>another result of this batch has its name %1</source>
        <translation>un autre résultat de ce lot porte le même nom, %1</translation>
    </message>
    <message>
        <source>a file of its name appeared while the batch ran, and is kept</source>
        <translation>un fichier de ce nom est apparu pendant le traitement du lot&#xa0;; il est conservé</translation>
    </message>
    <message>
        <source>cannot write the file (%1)</source>
        <translation>impossible d’écrire le fichier (%1)</translation>
    </message>
    <message>
        <source>about %1 in all</source>
        <translation>environ %1 au total</translation>
    </message>
    <message>
        <source>; a mail of them fits in %1</source>
        <translation>&#xa0;; un courriel les contenant tient dans %1</translation>
    </message>
    <message>
        <source>; a mail of them would be made smaller to fit in %1</source>
        <translation>&#xa0;; un courriel les contenant serait réduit pour tenir dans %1</translation>
    </message>
    <message>
        <source>it cannot be made as small as %1 KB</source>
        <translation>impossible de la réduire à %1 Ko</translation>
    </message>
    <message>
        <source>its pages are no longer those the batch planned for</source>
        <translation>ses pages ne sont plus celles que le lot prévoyait</translation>
    </message>
    <message>
        <source>turned without re-encoding: 1 JPEG photo</source>
        <translation>rotation sans réencodage&#xa0;: 1 photo JPEG</translation>
    </message>
    <message>
        <source>turned without re-encoding: %1 JPEG photos</source>
        <translation>rotation sans réencodage&#xa0;: %1 photos JPEG</translation>
    </message>
    <message>
        <source>%1: re-encoded, as %2</source>
        <translation>%1 : réencodage, car %2</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>One result could not be made:</source>
        <translation>Un résultat n’a pas pu être créé&#xa0;:</translation>
    </message>
    <message>
        <source>%1 results could not be made:</source>
        <translation>%1 résultats n’ont pas pu être créés&#xa0;:</translation>
    </message>
    <message>
        <source>One picture could not be processed:</source>
        <translation>Une image n’a pas pu être traitée&#xa0;:</translation>
    </message>
    <message>
        <source>%1 pictures could not be processed:</source>
        <translation>%1 images n’ont pas pu être traitées&#xa0;:</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>… et %1 de plus (voir les détails)</translation>
    </message>
    <message>
        <source>One JPEG photo was re-encoded instead of turned without loss:</source>
        <translation>Une photo JPEG a été réencodée au lieu d’une rotation sans perte&#xa0;:</translation>
    </message>
    <message>
        <source>%1 JPEG photos were re-encoded instead of turned without loss:</source>
        <translation>%1 photos JPEG ont été réencodées au lieu d’une rotation sans perte&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Browse</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Create Time</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1 image</translation>
    </message>
    <message>
        <source>, %1 marked, %2</source>
        <translation>, %1 marquées, %2</translation>
    </message>
    <message>
        <source>Please mark the pictures before Copy</source>
        <translation>Veuillez marquer les images avant de les copier</translation>
    </message>
    <message>
        <source>Please mark the pictures before Move</source>
        <translation>Veuillez marquer les images avant de les déplacer</translation>
    </message>
    <message>
        <source>Please mark the pictures before Mail</source>
        <translation>Veuillez marquer les images avant de les envoyer</translation>
    </message>
    <message>
        <source>Please mark the pictures before Resize</source>
        <translation>Veuillez marquer les images avant de les redimensionner</translation>
    </message>
    <message>
        <source>These pictures could not be %1:

%2</source>
        <translation>Ces images n’ont pas pu être %1&#xa0;:

%2</translation>
    </message>
    <message>
        <source>These pictures are already in &quot;%1&quot;, so they were not %2:

%3</source>
        <translation>Ces images sont déjà dans «&#xa0;%1&#xa0;»&#xa0;; elles n’ont donc pas été %2&#xa0;:

%3</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacées</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copiées</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a picture or a folder that can be read.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: ce n’est ni une image ni un dossier lisible.</translation>
    </message>
    <message>
        <source>Cannot open %1 of the given files: they are not pictures or folders that can be read.</source>
        <translation>Impossible d’ouvrir %1 des fichiers donnés&#xa0;: ce ne sont ni des images ni des dossiers lisibles.</translation>
    </message>
    <message>
        <source>1 given picture is in another folder and was not marked.</source>
        <translation>1 image donnée se trouve dans un autre dossier et n’a pas été marquée.</translation>
    </message>
    <message>
        <source>%1 given pictures are in other folders and were not marked.</source>
        <translation>%1 images données se trouvent dans d’autres dossiers et n’ont pas été marquées.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>%1 can be changed by other users</source>
        <translation>%1 peut être modifié par d’autres utilisateurs</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossible d’écrire %1 (%2)</translation>
    </message>
    <message>
        <source>it is a thumbnail itself</source>
        <translation>c’est elle-même une miniature</translation>
    </message>
</context>
<context>
    <name>CommandPrompt</name>
    <message>
        <source>Mark the selected picture in order to resize, mail, move or copy the marked pictures</source>
        <translation>Marquer l’image sélectionnée pour redimensionner, envoyer, déplacer ou copier les images marquées</translation>
    </message>
    <message>
        <source>Mark the selected picture</source>
        <translation>Marquer l’image sélectionnée</translation>
    </message>
    <message>
        <source>Select the all pictures in the folder</source>
        <translation>Sélectionner toutes les images du dossier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Refresh the file list</source>
        <translation>Actualiser la liste des fichiers</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Copy the marked pictures to pointed folder</source>
        <translation>Copier les images marquées vers un dossier choisi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Move the marked pictures to pointed folder</source>
        <translation>Déplacer les images marquées vers un dossier choisi</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Mail the marked pictures</source>
        <translation>Envoyer les images marquées par courriel</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Resize the marked pictures</source>
        <translation>Redimensionner les images marquées</translation>
    </message>
    <message>
        <source>Tessary</source>
        <translation>Tessary</translation>
    </message>
    <message>
        <source>Set the program option</source>
        <translation>Régler les options du programme</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Show the pictures as a list with their size, type and time</source>
        <translation>Afficher les images en liste avec leur taille, leur type et leur date</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Show the pictures as thumbnails</source>
        <translation>Afficher les images en miniatures</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>Sort the list by name; again: the other way round</source>
        <translation>Trier la liste par nom&#xa0;; à nouveau&#xa0;: dans l’autre sens</translation>
    </message>
    <message>
        <source>Sort the list by size; again: the other way round</source>
        <translation>Trier la liste par taille&#xa0;; à nouveau&#xa0;: dans l’autre sens</translation>
    </message>
    <message>
        <source>Sort the list by type; again: the other way round</source>
        <translation>Trier la liste par type&#xa0;; à nouveau&#xa0;: dans l’autre sens</translation>
    </message>
    <message>
        <source>Sort the list by time; again: the other way round</source>
        <translation>Trier la liste par date&#xa0;; à nouveau&#xa0;: dans l’autre sens</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Go back to the folder shown before</source>
        <translation>Revenir au dossier affiché auparavant</translation>
    </message>
    <message>
        <source>Go forward to the folder left by Back</source>
        <translation>Aller au dossier quitté par «&#xa0;Précédent&#xa0;»</translation>
    </message>
    <message>
        <source>Show or hide the files and folders whose names begin with a dot</source>
        <translation>Afficher ou masquer les fichiers et dossiers dont le nom commence par un point</translation>
    </message>
    <message>
        <source>Show the picture on the whole screen; the arrow keys go through the folder</source>
        <translation>Afficher l’image en plein écran&#xa0;; les flèches parcourent le dossier</translation>
    </message>
    <message>
        <source>Show the folder&apos;s pictures one after the other on the whole screen</source>
        <translation>Afficher les images du dossier l’une après l’autre en plein écran</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Tessary Confirm</source>
        <translation>Tessary – Confirmation</translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Non pour tout</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Resize as default setting</source>
        <translation>Redimensionner avec les réglages par défaut</translation>
    </message>
    <message>
        <source>Resize as default setting and mail</source>
        <translation>Redimensionner avec les réglages par défaut et envoyer</translation>
    </message>
    <message>
        <source>Display resize dialog then mail</source>
        <translation>Afficher la fenêtre de redimensionnement puis envoyer</translation>
    </message>
    <message>
        <source>Resize with preset</source>
        <translation>Redimensionner avec un préréglage</translation>
    </message>
    <message>
        <source>Tessary has been removed from this computer,
so its menu items cannot run any more.

To take them out of the menus, install Tessary again
and run: tessary-menu --uninstall</source>
        <translation>Tessary a été supprimé de cet ordinateur,
ses éléments de menu ne peuvent donc plus fonctionner.

Pour les retirer des menus, réinstallez Tessary
et lancez&#xa0;: tessary-menu --uninstall</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Moving</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>This folder already holds a file named &quot;%1&quot;.

Replace it with the one you are moving or copying?</source>
        <translation>Ce dossier contient déjà un fichier nommé «&#xa0;%1&#xa0;».

Le remplacer par celui que vous déplacez ou copiez&#xa0;?</translation>
    </message>
    <message>
        <source>From: %1
To: %2</source>
        <translation>De&#xa0;: %1
Vers&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>Yes to &amp;all</source>
        <translation>Oui pour &amp;tout</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>N&amp;o to all</source>
        <translation>Non pour to&amp;ut</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Create it?</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas.

Le créer&#xa0;?</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>the copy is not complete</source>
        <translation>la copie est incomplète</translation>
    </message>
    <message>
        <source>: copied, but the original could not be removed</source>
        <translation>&#xa0;: copié, mais l’original n’a pas pu être supprimé</translation>
    </message>
    <message>
        <source>: no such file</source>
        <translation>&#xa0;: fichier introuvable</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>no space left on the device</source>
        <translation>plus de place sur le périphérique</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere (%1)</source>
        <translation>c’est un lien qui ne mène nulle part (%1)</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>quelque chose qui n’est pas un fichier porte son nom</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>the file it replaces cannot be moved to the Trash (%1)</source>
        <translation>le fichier qu’il remplace ne peut pas être mis à la Corbeille (%1)</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>others may enter %1</source>
        <translation>d’autres utilisateurs peuvent accéder à %1</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Slideshow &amp;Pace</source>
        <translation>&amp;Rythme du diaporama</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>This folder has no picture to show</source>
        <translation>Ce dossier ne contient aucune image à afficher</translation>
    </message>
    <message>
        <source> Address </source>
        <translation> Adresse </translation>
    </message>
    <message>
        <source>The window&apos;s place and the list&apos;s view and columns cannot be kept for the next start.

%1</source>
        <translation>La position de la fenêtre, l’affichage et les colonnes de la liste ne peuvent pas être enregistrés pour le prochain démarrage.

%1</translation>
    </message>
</context>
<context>
    <name>FurtherOutputDialog</name>
    <message>
        <source>Further output</source>
        <translation>Sortie supplémentaire</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>as the main output</source>
        <translation>comme la sortie principale</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>DPI:</source>
        <translation>PPP&#xa0;:</translation>
    </message>
    <message>
        <source>This output cannot be used: %1.</source>
        <translation>Cette sortie ne peut pas être utilisée&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>HandOff</name>
    <message>
        <source>Resize with Tessary</source>
        <translation>Redimensionner avec Tessary</translation>
    </message>
    <message>
        <source>&amp;Resize</source>
        <translation>&amp;Redimensionner</translation>
    </message>
    <message>
        <source>Tessary found %1 in %2 and the folders under it.

Resize them?</source>
        <translation>Tessary a trouvé %1 dans %2 et ses sous-dossiers.

Les redimensionner&#xa0;?</translation>
    </message>
    <message>
        <source>Tessary found %1 in %2 folders and the folders under them.

Resize them?</source>
        <translation>Tessary a trouvé %1 dans %2 dossiers et leurs sous-dossiers.

Les redimensionner&#xa0;?</translation>
    </message>
    <message>
        <source>Tessary found %1: %2 you chose, and %3 in %4 and the folders under it.

Resize them?</source>
        <translation>Tessary a trouvé %1&#xa0;: %2 de votre sélection, et %3 dans %4 et ses sous-dossiers.

Les redimensionner&#xa0;?</translation>
    </message>
    <message>
        <source>Tessary found %1: %2 you chose, and %3 in %4 folders and the folders under them.

Resize them?</source>
        <translation>Tessary a trouvé %1&#xa0;: %2 de votre sélection, et %3 dans %4 dossiers et leurs sous-dossiers.

Les redimensionner&#xa0;?</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>aucune image</translation>
    </message>
    <message>
        <source>There is no picture in %1.</source>
        <translation>Il n’y a aucune image dans %1.</translation>
    </message>
    <message>
        <source>None of the chosen files is a picture.</source>
        <translation>Aucun des fichiers choisis n’est une image.</translation>
    </message>
    <message>
        <source>There is no preset named &quot;%1&quot; any more.</source>
        <translation>Il n’y a plus de préréglage nommé «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>Tessary cannot hand pictures to a mail program: the xdg-email command (package xdg-utils) is not installed.</source>
        <translation>Tessary ne peut pas confier d’images à un logiciel de messagerie&#xa0;: la commande xdg-email (paquet xdg-utils) n’est pas installée.</translation>
    </message>
    <message>
        <source>No mail program could be found to write the message. Choose a default mail program in your desktop&apos;s settings and try again.</source>
        <translation>Aucun logiciel de messagerie n’a été trouvé pour rédiger le message. Choisissez un logiciel de messagerie par défaut dans les paramètres de votre bureau et réessayez.</translation>
    </message>
    <message>
        <source>The mail program could not be started to write the message.</source>
        <translation>Le logiciel de messagerie n’a pas pu être lancé pour rédiger le message.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Up Folder	Backspace</source>
        <translation>Dossier parent	Backspace</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>Resize ...</source>
        <translation>Redimensionner…</translation>
    </message>
    <message>
        <source>Mail To ...</source>
        <translation>Envoyer à…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy To ...</source>
        <translation>&amp;Copier vers…</translation>
    </message>
    <message>
        <source>Move To ...</source>
        <translation>Déplacer vers…</translation>
    </message>
    <message>
        <source>Select All	Ctrl+A</source>
        <translation>Tout sélectionner	Ctrl+A</translation>
    </message>
    <message>
        <source>Refresh	F5</source>
        <translation>Actualiser	F5</translation>
    </message>
    <message>
        <source>Option ...</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Details	Ctrl+1</source>
        <translation>&amp;Détails	Ctrl+1</translation>
    </message>
    <message>
        <source>T&amp;humbnails	Ctrl+2</source>
        <translation>&amp;Miniatures	Ctrl+2</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Trier par &amp;nom</translation>
    </message>
    <message>
        <source>Sort by Si&amp;ze</source>
        <translation>Trier par ta&amp;ille</translation>
    </message>
    <message>
        <source>Sort by T&amp;ype</source>
        <translation>Trier par t&amp;ype</translation>
    </message>
    <message>
        <source>Sort by &amp;Create Time</source>
        <translation>Trier par date de &amp;création</translation>
    </message>
    <message>
        <source>H&amp;idden Files	Ctrl+H</source>
        <translation>Fic&amp;hiers cachés	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>&amp;Plein écran	F11</translation>
    </message>
    <message>
        <source>Slidesho&amp;w	Shift+F11</source>
        <translation>Di&amp;aporama	Shift+F11</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>A&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Back	Alt+Left</source>
        <translation>&amp;Précédent	Alt+Left</translation>
    </message>
    <message>
        <source>&amp;Forward	Alt+Right</source>
        <translation>&amp;Suivant	Alt+Right</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Visit my web</source>
        <translation>Visiter mon site</translation>
    </message>
    <message>
        <source>Check the new version ...</source>
        <translation>Chercher une nouvelle version…</translation>
    </message>
    <message>
        <source>Mail to me</source>
        <translation>M’écrire</translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation>Signaler un bogue</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annuler le dernier lot</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tessary wrote it; it was left as it is</source>
        <translation>%1 a été modifié depuis que Tessary l’a écrit&#xa0;; il est laissé tel quel</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was left as it is: %2</source>
        <translation>%1 est laissé tel quel&#xa0;: %2</translation>
    </message>
    <message>
        <source>the program&apos;s path cannot stand in a menu entry: %1</source>
        <translation>le chemin du programme ne peut pas figurer dans une entrée de menu&#xa0;: %1</translation>
    </message>
    <message>
        <source>; no menu was changed</source>
        <translation>&#xa0;; aucun menu n’a été modifié</translation>
    </message>
    <message>
        <source>%1 is not Tessary&apos;s; it was left as it is</source>
        <translation>%1 n’appartient pas à Tessary&#xa0;; il est laissé tel quel</translation>
    </message>
    <message>
        <source>it is written in %1, which Tessary cannot write back unchanged</source>
        <translation>il est écrit en %1, que Tessary ne peut pas réécrire à l’identique</translation>
    </message>
    <message>
        <source>it is not valid %1</source>
        <translation>ce n’est pas du %1 valide</translation>
    </message>
    <message>
        <source>it is not a list of Thunar actions</source>
        <translation>ce n’est pas une liste d’actions Thunar</translation>
    </message>
    <message>
        <source>it is not a list of Thunar actions without ours</source>
        <translation>ce n’est pas une liste d’actions Thunar sans les nôtres</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>The file managers&apos; menus could not all be written:

</source>
        <translation>Les menus des gestionnaires de fichiers n’ont pas tous pu être écrits&#xa0;:

</translation>
    </message>
    <message>
        <source>Option...</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Menu Context</source>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>The %1 can have at most %2 bytes: the rest was not taken.</source>
        <translation>%1 peut compter au plus %2 octets&#xa0;: le reste a été ignoré.</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>L’objet</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Le message</translation>
    </message>
    <message>
        <source>(%F = Attach file name)</source>
        <translation>(%F = nom du fichier joint)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Select the menu items that viewed in menu context </source>
        <translation>Choisissez les éléments affichés dans le menu contextuel </translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Resize as default setting</source>
        <translation>Redimensionner avec les réglages par défaut</translation>
    </message>
    <message>
        <source>Resize and mail</source>
        <translation>Redimensionner et envoyer</translation>
    </message>
    <message>
        <source>Resize as default setting and mail</source>
        <translation>Redimensionner avec les réglages par défaut et envoyer</translation>
    </message>
    <message>
        <source>Display resize dialog then mail</source>
        <translation>Afficher la fenêtre de redimensionnement puis envoyer</translation>
    </message>
    <message>
        <source>Resize with preset, an item for each preset</source>
        <translation>Redimensionner avec un préréglage, un élément par préréglage</translation>
    </message>
    <message>
        <source>unknown option name &apos;%1&apos;</source>
        <translation>nom d’option inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number from 0 to 4294967295</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre de 0 à 4294967295</translation>
    </message>
    <message>
        <source>it changes no option</source>
        <translation>elle ne change aucune option</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas de la forme NOM=VALEUR</translation>
    </message>
    <message>
        <source>%1: %2 is not from %3 to %4</source>
        <translation>%1&#xa0;: %2 n’est pas entre %3 et %4</translation>
    </message>
    <message>
        <source>The options cannot be kept.

%1</source>
        <translation>Les options ne peuvent pas être enregistrées.

%1</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is none of %3, nor their numbers 0 to %4</source>
        <translation>%1 : « %2 » n’est aucune des valeurs %3, ni leurs numéros 0 à %4</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>cannot write the file (%1)</source>
        <translation>impossible d’écrire le fichier (%1)</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>aucune image</translation>
    </message>
    <message>
        <source>its %1 pages differ in size, and a picture of this type keeps its pages in one size</source>
        <translation>ses %1 pages n’ont pas toutes la même taille, et une image de ce type a toutes ses pages de la même taille</translation>
    </message>
    <message>
        <source>cannot open the file (%1)</source>
        <translation>impossible d’ouvrir le fichier (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is not of the expected picture type</source>
        <translation>le fichier n’est pas du type d’image attendu</translation>
    </message>
    <message>
        <source>not a picture of a type Tessary reads</source>
        <translation>ce n’est pas une image d’un type que Tessary sait lire</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>cannot read the file (%1)</source>
        <translation>impossible de lire le fichier (%1)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>l’image est trop grande (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is not a size a picture can have</source>
        <translation>%1 × %2 pixels n’est pas une taille d’image possible</translation>
    </message>
    <message>
        <source>the encoder&apos;s HEIF file has no EXIF item to hold the camera data</source>
        <translation>le fichier HEIF de l’encodeur n’a aucun élément EXIF pour les données de l’appareil</translation>
    </message>
    <message>
        <source>the encoder made no JPEG XL</source>
        <translation>l’encodeur n’a produit aucun JPEG XL</translation>
    </message>
    <message>
        <source>the picture is damaged or unsupported</source>
        <translation>l’image est endommagée ou non prise en charge</translation>
    </message>
    <message>
        <source>an icon can be at most %1 x %1 pixels; this picture is %2 x %3</source>
        <translation>une icône mesure au plus %1 × %1 pixels&#xa0;; cette image mesure %2 × %3</translation>
    </message>
    <message>
        <source>pictures of this type cannot be written</source>
        <translation>les images de ce type ne peuvent pas être écrites</translation>
    </message>
    <message>
        <source>its result could not be read back (%1)</source>
        <translation>son résultat n’a pas pu être relu (%1)</translation>
    </message>
    <message>
        <source>its result still holds %1, which is not to be kept</source>
        <translation>son résultat contient encore %1, qui ne doit pas être conservé</translation>
    </message>
    <message>
        <source>the encoder made no JPEG</source>
        <translation>l’encodeur n’a produit aucun JPEG</translation>
    </message>
    <message>
        <source>its EXIF block of %1 bytes is more than a JPEG file holds</source>
        <translation>son bloc EXIF de %1 octets dépasse ce qu’un fichier JPEG peut contenir</translation>
    </message>
    <message>
        <source>the encoder made no PNG</source>
        <translation>l’encodeur n’a produit aucun PNG</translation>
    </message>
    <message>
        <source>the encoder made no WebP</source>
        <translation>l’encodeur n’a produit aucun WebP</translation>
    </message>
    <message>
        <source>the encoder made an empty WebP</source>
        <translation>l’encodeur a produit un WebP vide</translation>
    </message>
    <message>
        <source>the encoder made no TIFF</source>
        <translation>l’encodeur n’a produit aucun TIFF</translation>
    </message>
    <message>
        <source>it is not a JPEG file</source>
        <translation>ce n’est pas un fichier JPEG</translation>
    </message>
    <message>
        <source>page %1: %2</source>
        <translation>page %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>its metadata does not fit a JPEG file&apos;s segments</source>
        <translation>ses métadonnées ne tiennent pas dans les segments d’un fichier JPEG</translation>
    </message>
    <message>
        <source>its width of %1 pixels is not a whole number of its %2-pixel JPEG blocks, and a turn without re-encoding would lose its right edge</source>
        <translation>sa largeur de %1 pixels n’est pas un multiple de ses blocs JPEG de %2 pixels, et une rotation sans réencodage perdrait son bord droit</translation>
    </message>
    <message>
        <source>its height of %1 pixels is not a whole number of its %2-pixel JPEG blocks, and a turn without re-encoding would lose its bottom edge</source>
        <translation>sa hauteur de %1 pixels n’est pas un multiple de ses blocs JPEG de %2 pixels, et une rotation sans réencodage perdrait son bord inférieur</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>%1 is not a file: the presets that come with Tessary are offered, and none can be saved or deleted until it is moved away.</source>
        <translation>%1 n’est pas un fichier&#xa0;: les préréglages fournis avec Tessary sont proposés, et aucun ne peut être enregistré ni supprimé tant qu’il n’est pas déplacé.</translation>
    </message>
    <message>
        <source>The presets file %1 was damaged: the presets that could be read are kept, and those that come with Tessary are back.</source>
        <translation>Le fichier de préréglages %1 était endommagé&#xa0;: les préréglages lisibles sont conservés, et ceux fournis avec Tessary sont de retour.</translation>
    </message>
    <message>
        <source>The presets cannot be written to %1: %2.</source>
        <translation>Les préréglages ne peuvent pas être écrits dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no preset named &apos;%1&apos; to delete.</source>
        <translation>Il n’y a aucun préréglage nommé «&#xa0;%1&#xa0;» à supprimer.</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un préréglage doit avoir un nom.</translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most %1 characters.</source>
        <translation>Le nom d’un préréglage peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot hold control characters.</source>
        <translation>Le nom d’un préréglage ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A preset&apos;s name must be text: this one holds bytes that are not UTF-8.</source>
        <translation>Le nom d’un préréglage doit être du texte&#xa0;: celui-ci contient des octets qui ne sont pas de l’UTF-8.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin with a dot.</source>
        <translation>Le nom d’un préréglage ne peut pas commencer par un point.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a space.</source>
        <translation>Le nom d’un préréglage ne peut ni commencer ni finir par une espace.</translation>
    </message>
    <message>
        <source>the presets could not be put into words</source>
        <translation>les préréglages n’ont pas pu être convertis en texte</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Picture Properties</source>
        <translation>Propriétés de l’image</translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation>Largeur de l’image</translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation>Hauteur de l’image</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>Impossible d’afficher %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Only part of %1 can be shown: %2</source>
        <translation>Seule une partie de %1 peut être affichée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Process</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Reading Pictures Information</source>
        <translation>Lecture des informations des images</translation>
    </message>
    <message>
        <source>Resizing Pictures</source>
        <translation>Redimensionnement des images</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Resize</name>
    <message>
        <source>Resizing : </source>
        <translation>Redimensionnement&#xa0;: </translation>
    </message>
    <message>
        <source>Reading : </source>
        <translation>Lecture&#xa0;: </translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Voulez-vous écraser ce fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Transfer to GIF from 24 bit to 8 bit colors will lose some colors and take some time, would you keep on?</source>
        <translation>La conversion en GIF, de 24 à 8 bits de couleur, perdra des couleurs et prendra du temps. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n’a été donné</translation>
    </message>
    <message>
        <source>no private folder for the mail copies could be made in %1</source>
        <translation>aucun dossier privé pour les copies à envoyer n’a pu être créé dans %1</translation>
    </message>
</context>
<context>
    <name>ResizeDialog</name>
    <message>
        <source>Tessary...</source>
        <translation>Tessary…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>in the folder:</source>
        <translation>dans le dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>If the dest folder is empty, TSY will auto create .\resize\ folder</source>
        <translation>Si le dossier de destination est vide, TSY crée automatiquement un dossier .\resize\</translation>
    </message>
    <message>
        <source>save image type</source>
        <translation>type d’image enregistré</translation>
    </message>
    <message>
        <source>Quality
(JPEG only)</source>
        <translation>Qualité
(JPEG seulement)</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Minimale</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Maximale</translation>
    </message>
    <message>
        <source>Overwrite the source file (not recommend)</source>
        <translation>Écraser le fichier source (déconseillé)</translation>
    </message>
    <message>
        <source>Image to resize</source>
        <translation>Redimensionner l’image</translation>
    </message>
    <message>
        <source>Image Resize option</source>
        <translation>Options de redimensionnement</translation>
    </message>
    <message>
        <source>Constrain Proportion</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Resize as</source>
        <translation>Redimensionner en</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>pixel</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>Resize as your desktop size</source>
        <translation>Redimensionner à la taille de votre bureau</translation>
    </message>
    <message>
        <source>Image to rotate</source>
        <translation>Faire pivoter l’image</translation>
    </message>
    <message>
        <source>Image rotate option</source>
        <translation>Options de rotation</translation>
    </message>
    <message>
        <source>Rotate 90 degree</source>
        <translation>Rotation de 90 degrés</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Rotate -90 degree</source>
        <translation>Rotation de −90 degrés</translation>
    </message>
    <message>
        <source>Image to set DPI</source>
        <translation>Régler les PPP de l’image</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Do not enlarge smaller pictures</source>
        <translation>Ne pas agrandir les images plus petites</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Conserver les dates des fichiers</translation>
    </message>
    <message>
        <source>Move replaced files to the Trash</source>
        <translation>Mettre les fichiers remplacés à la Corbeille</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Au plus</translation>
    </message>
    <message>
        <source>KB per picture</source>
        <translation>Ko par image</translation>
    </message>
    <message>
        <source>Mail at most</source>
        <translation>Envoyer au plus</translation>
    </message>
    <message>
        <source>KB in all</source>
        <translation>Ko au total</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>sans limite</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Further outputs</source>
        <translation>Sorties supplémentaires</translation>
    </message>
    <message>
        <source>Name of each result:</source>
        <translation>Nom de chaque résultat&#xa0;:</translation>
    </message>
    <message>
        <source>{name} {ext} of the source, {w} {h} of the result, {n} or {n:3} its number, {date} {time} when taken, {folder}; &quot;/&quot; makes folders</source>
        <translation>{name} {ext} de la source, {w} {h} du résultat, {n} ou {n:3} son numéro, {date} {time} de la prise de vue, {folder}&#xa0;; «&#xa0;/&#xa0;» crée des dossiers</translation>
    </message>
    <message>
        <source>When a file exists:</source>
        <translation>Si un fichier existe&#xa0;:</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conserver les deux</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>The name template is too long: it can have at most %1 bytes.</source>
        <translation>Le modèle de nom est trop long&#xa0;: il peut compter au plus %1 octets.</translation>
    </message>
    <message>
        <source>The further outputs are too many to store: together they can have at most %1 bytes.</source>
        <translation>Les sorties supplémentaires sont trop nombreuses pour être enregistrées&#xa0;: ensemble, elles peuvent compter au plus %1 octets.</translation>
    </message>
    <message>
        <source>Each picture is also written as each of these, from the same decode.</source>
        <translation>Chaque image est aussi écrite sous chacune de ces formes, à partir du même décodage.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Cadrage</translation>
    </message>
    <message>
        <source>A size in pixels:</source>
        <translation>Une taille en pixels&#xa0;:</translation>
    </message>
    <message>
        <source>Take exactly that size</source>
        <translation>Prendre exactement cette taille</translation>
    </message>
    <message>
        <source>Fill it, cropping what is over</source>
        <translation>La remplir, en rognant ce qui dépasse</translation>
    </message>
    <message>
        <source>Fit inside it, on a canvas</source>
        <translation>Y tenir entière, sur un fond</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Conserver&#xa0;:</translation>
    </message>
    <message>
        <source>the centre</source>
        <translation>le centre</translation>
    </message>
    <message>
        <source>the most interesting part</source>
        <translation>la partie la plus intéressante</translation>
    </message>
    <message>
        <source>the top or left</source>
        <translation>le haut ou la gauche</translation>
    </message>
    <message>
        <source>the bottom or right</source>
        <translation>le bas ou la droite</translation>
    </message>
    <message>
        <source>Canvas colour:</source>
        <translation>Couleur du fond&#xa0;:</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>Width is for:</source>
        <translation>La largeur vaut pour&#xa0;:</translation>
    </message>
    <message>
        <source>the width, height for the height</source>
        <translation>la largeur, la hauteur pour la hauteur</translation>
    </message>
    <message>
        <source>the longer side</source>
        <translation>le côté le plus long</translation>
    </message>
    <message>
        <source>the shorter side</source>
        <translation>le côté le plus court</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>(the options below)</source>
        <translation>(les options ci-dessous)</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nom du préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Supprimer le préréglage «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Metadata kept:</source>
        <translation>Métadonnées conservées&#xa0;:</translation>
    </message>
    <message>
        <source>In mailed copies:</source>
        <translation>Dans les copies envoyées&#xa0;:</translation>
    </message>
    <message>
        <source>All of it</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>All but location and personal data</source>
        <translation>Toutes sauf la localisation et les données personnelles</translation>
    </message>
    <message>
        <source>Only the colour profile and resolution</source>
        <translation>Seulement le profil de couleur et la résolution</translation>
    </message>
    <message>
        <source>Location and personal data: GPS position, place names, serial numbers, owner and author names, maker notes and contacts. Camera, exposure, date taken and copyright stay.</source>
        <translation>Localisation et données personnelles&#xa0;: position GPS, noms de lieux, numéros de série, noms du propriétaire et de l’auteur, notes du fabricant et contacts. L’appareil, l’exposition, la date de prise de vue et le copyright restent.</translation>
    </message>
    <message>
        <source>Convert colours to sRGB for the web</source>
        <translation>Convertir les couleurs en sRVB pour le Web</translation>
    </message>
    <message>
        <source>working out the size...</source>
        <translation>calcul de la taille…</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Set as default</source>
        <translation>Définir par défaut</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Resize and mail</source>
        <translation>Redimensionner et envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>the same as source</source>
        <translation>identique à la source</translation>
    </message>
    <message>
        <source>select the destination folder...</source>
        <translation>choisir le dossier de destination…</translation>
    </message>
    <message>
        <source>The destination folder&apos;s name is too long: it can have at most %1 bytes.</source>
        <translation>Le nom du dossier de destination est trop long&#xa0;: il peut compter au plus %1 octets.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un entier positif.</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected will be auto resize to fit the desktop&apos;s size</source>
        <translation>Les images sélectionnées seront automatiquement ajustées à la taille du bureau</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected will be resize to the desktop&apos;s size (%1*%2)<byte value="xd"/>
uncheck Constrain Proportion might distort your picture(s)</source>
        <translation>Les images sélectionnées seront redimensionnées à la taille du bureau (%1*%2)<byte value="xd"/>
décocher «&#xa0;Conserver les proportions&#xa0;» peut déformer vos images</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected are not the same size<byte value="xd"/>
Please resize them in percent or uncheck Constrain Proportion</source>
        <translation>Les images sélectionnées n’ont pas la même taille<byte value="xd"/>
Veuillez les redimensionner en pourcentage ou décocher «&#xa0;Conserver les proportions&#xa0;»</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected are not the same size</source>
        <translation>Les images sélectionnées n’ont pas la même taille</translation>
    </message>
    <message>
        <source>The size of the pictures you&apos;ve selected is:%1*%2</source>
        <translation>La taille des images sélectionnées est&#xa0;: %1*%2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
uncheck Constrain Proportion might distort your picture(s)</source>
        <translation><byte value="xd"/>
décocher «&#xa0;Conserver les proportions&#xa0;» peut déformer vos images</translation>
    </message>
    <message>
        <source>The size(%1*%2) of the pictures you&apos;ve selected is not match the Constrain Proportion of your setting: %3*%4<byte value="xd"/>
Please reset width and height or uncheck Constrain Proportion</source>
        <translation>La taille (%1*%2) des images sélectionnées ne correspond pas aux proportions de votre réglage&#xa0;: %3*%4<byte value="xd"/>
Veuillez redéfinir la largeur et la hauteur ou décocher «&#xa0;Conserver les proportions&#xa0;»</translation>
    </message>
    <message>
        <source>The longer side of each picture will be %1, the other in proportion</source>
        <translation>Le côté le plus long de chaque image sera de %1, l’autre en proportion</translation>
    </message>
    <message>
        <source>The shorter side of each picture will be %1, the other in proportion</source>
        <translation>Le côté le plus court de chaque image sera de %1, l’autre en proportion</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>%1 % of it</source>
        <translation>%1&#xa0;% de celle-ci</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(%1*%2 for the pictures you&apos;ve selected)</source>
        <translation><byte value="xd"/>
(%1*%2 pour les images sélectionnées)</translation>
    </message>
    <message>
        <source>The pictures will fill %1*%2 exactly, cropped where their proportions differ</source>
        <translation>Les images rempliront exactement %1*%2, rognées là où leurs proportions diffèrent</translation>
    </message>
    <message>
        <source>The pictures will fit inside %1*%2 whole, on a canvas of exactly that size</source>
        <translation>Les images tiendront entières dans %1*%2, sur un fond de cette taille exacte</translation>
    </message>
    <message>
        <source>Please give the new width and height: 1 to %1 pixels, or 1 to %2 percent</source>
        <translation>Veuillez indiquer la nouvelle largeur et la nouvelle hauteur&#xa0;: de 1 à %1 pixels, ou de 1 à %2&#xa0;%</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Please give a DPI from 1 to %1</source>
        <translation><byte value="xd"/>
Veuillez indiquer des PPP de 1 à %1</translation>
    </message>
    <message>
        <source>Your select Pictures:</source>
        <translation>Vos images sélectionnées&#xa0;:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
the X DPI:%1</source>
        <translation><byte value="xd"/>
PPP horizontaux&#xa0;: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The X DPI: not the same</source>
        <translation><byte value="xd"/>
PPP horizontaux&#xa0;: différents</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The Y DPI:%1</source>
        <translation><byte value="xd"/>
PPP verticaux&#xa0;: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The Y DPI: not the same</source>
        <translation><byte value="xd"/>
PPP verticaux&#xa0;: différents</translation>
    </message>
    <message>
        <source>These options cannot be kept as the default.

%1</source>
        <translation>Ces options ne peuvent pas être enregistrées comme réglages par défaut.

%1</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panneau de configuration</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Pictures Folder</source>
        <translation>Dossier des images</translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation>Dossier système</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: it was changed after the batch wrote it, so it is left, and the file it replaced stays in the Trash</source>
        <translation>%1&#xa0;: il a été modifié après son écriture par le lot&#xa0;; il est donc laissé tel quel, et le fichier qu’il remplaçait reste dans la Corbeille</translation>
    </message>
    <message>
        <source>%1: it was changed after the batch wrote it, so it is left</source>
        <translation>%1&#xa0;: il a été modifié après son écriture par le lot&#xa0;; il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>%1: the file it replaced is no longer in the Trash, so the result is left</source>
        <translation>%1&#xa0;: le fichier qu’il remplaçait n’est plus dans la Corbeille&#xa0;; le résultat est donc laissé tel quel</translation>
    </message>
    <message>
        <source>%1: the file the batch replaced is no longer in the Trash</source>
        <translation>%1&#xa0;: le fichier que le lot a remplacé n’est plus dans la Corbeille</translation>
    </message>
    <message>
        <source>%1: the file it replaced did not go to the Trash (the Trash option was off), so it cannot come back</source>
        <translation>%1&#xa0;: le fichier qu’il remplaçait n’a pas été mis à la Corbeille (l’option Corbeille était désactivée)&#xa0;; il ne peut donc pas revenir</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Il n’y a aucun lot à annuler.</translation>
    </message>
    <message>
        <source>The last batch is still running; it can be undone once it has ended.</source>
        <translation>Le dernier lot est encore en cours&#xa0;; il pourra être annulé une fois terminé.</translation>
    </message>
    <message>
        <source>The last batch left nothing to undo.</source>
        <translation>Le dernier lot n’a rien laissé à annuler.</translation>
    </message>
    <message>
        <source>Nothing of the last batch can be undone:</source>
        <translation>Rien du dernier lot ne peut être annulé&#xa0;:</translation>
    </message>
    <message>
        <source>1 file comes back from the Trash</source>
        <translation>1 fichier revient de la Corbeille</translation>
    </message>
    <message>
        <source>%1 files come back from the Trash</source>
        <translation>%1 fichiers reviennent de la Corbeille</translation>
    </message>
    <message>
        <source>1 result is removed</source>
        <translation>1 résultat est supprimé</translation>
    </message>
    <message>
        <source>%1 results are removed</source>
        <translation>%1 résultats sont supprimés</translation>
    </message>
    <message>
        <source>1 half-written file is removed</source>
        <translation>1 fichier à moitié écrit est supprimé</translation>
    </message>
    <message>
        <source>%1 half-written files are removed</source>
        <translation>%1 fichiers à moitié écrits sont supprimés</translation>
    </message>
    <message>
        <source>the folders it made are removed</source>
        <translation>les dossiers créés par le lot sont supprimés</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annuler le dernier lot</translation>
    </message>
    <message>
        <source>Undo the last batch?</source>
        <translation>Annuler le dernier lot&#xa0;?</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler le lot</translation>
    </message>
    <message>
        <source>These stay as they are:</source>
        <translation>Ces fichiers restent tels quels&#xa0;:</translation>
    </message>
    <message>
        <source>Not all of the last batch could be undone:</source>
        <translation>Le dernier lot n’a pas pu être entièrement annulé&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tessary</name>
    <message>
        <source>Usage: tessary [--] [FILE...]
       tessary --help | --version
Opens the picture browser; given files, it shows their folder with
the pictures marked and the first one previewed.
</source>
        <translation>Utilisation&#xa0;: tessary [--] [FICHIER...]
              tessary --help | --version
Ouvre le navigateur d’images&#xa0;; avec des fichiers, il affiche leur dossier
avec les images marquées et un aperçu de la première.
</translation>
    </message>
</context>
<context>
    <name>tessary-batch</name>
    <message>
        <source>--sort needs name, size, type or time, not &apos;%1&apos;</source>
        <translation>--sort demande name, size, type ou time, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--set takes NAME=VALUE, not &apos;%1&apos;</source>
        <translation>--set prend NOM=VALEUR, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--answer takes ask, yes-to-all or no-to-all, not &apos;%1&apos;</source>
        <translation>--answer prend ask, yes-to-all ou no-to-all, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--desktop-size takes WIDTHxHEIGHT in pixels, not &apos;%1&apos;</source>
        <translation>--desktop-size prend LARGEURxHAUTEUR en pixels, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--files-from needs a FILE, or - for standard input</source>
        <translation>--files-from demande un FICHIER, ou - pour l’entrée standard</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs prend un nombre de 1 à 64, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a file whose name starts with a dash goes after --)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» (un fichier dont le nom commence par un tiret se place après --)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation>--null va avec --files-from</translation>
    </message>
    <message>
        <source>--also cannot go with --mail, which sends one copy of a picture</source>
        <translation>--also ne va pas avec --mail, qui envoie une seule copie de chaque image</translation>
    </message>
    <message>
        <source>the list is longer than %1 MB</source>
        <translation>la liste dépasse %1 Mo</translation>
    </message>
    <message>
        <source>name %1 of the list is longer than %2 bytes, which no path is</source>
        <translation>le nom %1 de la liste dépasse %2 octets, ce qu’aucun chemin ne fait</translation>
    </message>
    <message>
        <source>Try &apos;tessary-batch --help&apos;.</source>
        <translation>Essayez «&#xa0;tessary-batch --help&#xa0;».</translation>
    </message>
    <message>
        <source>--list needs one FOLDER</source>
        <translation>--list demande un DOSSIER</translation>
    </message>
    <message>
        <source>not a folder: %1</source>
        <translation>pas un dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no preset named &apos;%1&apos;; --list-presets lists them</source>
        <translation>il n’y a aucun préréglage nommé «&#xa0;%1&#xa0;»&#xa0;; --list-presets les énumère</translation>
    </message>
    <message>
        <source>desktop=1 needs the desktop size, and there is no screen; give it with --desktop-size WxH</source>
        <translation>desktop=1 demande la taille du bureau, et il n’y a pas d’écran&#xa0;; donnez-la avec --desktop-size LxH</translation>
    </message>
    <message>
        <source>cannot find the primary screen&apos;s size; give it with --desktop-size WxH</source>
        <translation>impossible de trouver la taille de l’écran principal&#xa0;; donnez-la avec --desktop-size LxH</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>--files-from: cannot read %1 (%2)</source>
        <translation>--files-from&#xa0;: impossible de lire %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder; --recursive takes the pictures under it</source>
        <translation>%1 est un dossier&#xa0;; --recursive prend les images qu’il contient</translation>
    </message>
    <message>
        <source>--answer ask reads its answers from standard input, which --files-from - reads the list from</source>
        <translation>--answer ask lit ses réponses sur l’entrée standard, où --files-from - lit déjà la liste</translation>
    </message>
    <message>
        <source>there is no picture under %1</source>
        <translation>il n’y a aucune image dans %1</translation>
    </message>
    <message>
        <source>Usage: tessary-batch [OPTION]... FILE...
Resize, rotate, flip, set the DPI of and convert the pictures FILE... in one
batch, with the options stored by Tessary (&quot;Set as default&quot; in its resize
dialog), changed for this run by --set.

Options:
  --set NAME=VALUE     change one stored option for this run only (nothing is
                       saved); may be given many times. NAME is one of:
                         override         1: write over the source pictures
                         dest             destination folder; empty: a folder
                                          &quot;resize&quot; beside each picture;
                                          relative: taken from each picture&apos;s
                                          folder
                         imagetype        the type written, by name or
                                          number: same (0) as the source,
                                          jpg (1) JPEG, bmp (2) BMP,
                                          gif (3) GIF, ico (4) ICO,
                                          png (5) PNG, tiff (6) TIFF,
                                          pcx (7) PCX, webp (8) WebP,
                                          avif (9) AVIF, heic (10) HEIC,
                                          jxl (11) JPEG XL
                         qualilty         quality of JPEG, WebP, AVIF, HEIC
                                          and JPEG XL, 0 to 100
                         image_to_resize  1: resize
                         image_to_rotate  1: rotate or flip (see rotate)
                         image_set_dpi    1: set xdpi and ydpi
                         constraint       1: keep proportions (dialog only)
                         desktop          1: fit into the desktop size
                         width, height    new size
                         wpercent,        unit of width and height:
                         hpercent           pixels (0), percent (1)
                         rotate           left (0) 90 degrees, flip (1) top
                                          to bottom, right (2) 90 degrees
                         xdpi, ydpi       resolution to write
                         noenlarge        1: a picture smaller than its new
                                          size keeps its own (default 0)
                         keepdates        1: each result gets its source&apos;s
                                          modification time (default 1)
                         trash            1: a file the batch replaces is
                                          moved to the Trash (default 1)
                         maxkb            most KB of each result: a lower
                                          quality (JPEG, WebP, AVIF, HEIC,
                                          JPEG XL), then a smaller size; 0: no
                                          limit (default)
                         mailmaxkb        with --mail: most KB of all copies
                                          together; 0: no limit (default)
                         nametemplate     the result&apos;s name without its
                                          extension (default {name}):
                                          {name} and {ext} of the source,
                                          {w} and {h} of the result, {n} the
                                          picture&apos;s number (from 1; {n:3}
                                          as 001), {date} and {time} when
                                          it was taken (YYYY-MM-DD,
                                          HH-MM-SS), {folder} the source&apos;s
                                          folder; &quot;/&quot; makes folders below
                                          the destination; not used with
                                          override=1
                         onexists         when a result&apos;s name exists:
                                          ask (0, default), keep-both (1:
                                          &quot;name (2).jpg&quot;), skip (2),
                                          replace (3)
                         also             the stored further outputs, as
                                          --also&apos;s, separated by &quot;;&quot;
                         metadata         what each result keeps of the
                                          photo&apos;s metadata: all (0, the
                                          default); private (1): only the
                                          camera, the lens, the exposure,
                                          the date taken, the copyright,
                                          the colour profile and the
                                          resolution; profile (2): only the
                                          colour profile and the
                                          resolution. Whatever no list
                                          names goes; each result is read
                                          back by Exiv2, and one holding
                                          anything else fails
                         mailmetadata     the same for the copies of --mail
                                          (default private)
                         srgb             1: pixels in sRGB with the sRGB
                                          profile embedded, for the web
                         fit              with width and height in pixels:
                                          stretch (0, default): the picture
                                          takes that size; fill (1): scaled
                                          to cover it and cropped; pad (2):
                                          scaled to fit inside and laid on
                                          a canvas of that size
                         anchor           what fill keeps: centre (0,
                                          default), attention (1): the most
                                          interesting part, start (2): top
                                          or left, end (3): bottom or right
                         padcolour        the canvas of pad, RGB in hex
                                          (default FFFFFF, white); empty:
                                          transparent where the type can be
                         side             both (0, default): width and
                                          height; longer (1): the longer
                                          side takes width; shorter (2):
                                          the shorter does; the other
                                          follows in proportion
                         lossless         1: a JPEG only turned, flipped,
                                          set upright by its EXIF
                                          orientation or given a DPI, and
                                          written as JPEG, keeps its own
                                          compressed data, turned, and is
                                          not re-encoded (default); one
                                          whose turned edge is not a whole
                                          number of JPEG blocks is
                                          re-encoded whole instead, and the
                                          run says so; 0: always re-encode
                       An option whose values have names above takes the name
                       or its number (fit=pad or fit=2); another word is
                       refused with the names. Numbers outside their range
                       are refused: switches 0-1, imagetype 0-11, qualilty
                       0-100, rotate 0-2, DPI 1-65535, sizes 1-65535 pixels
                       or 1-10000 percent.
  --also CHANGES       one further output of every picture, from the same
                       decode: the options with CHANGES, NAME=VALUE pairs
                       separated by &quot;,&quot; (a backslash keeps a &quot;,&quot; or &quot;;&quot; in
                       a value), e.g. --also &apos;width=320,nametemplate={name}-
                       thumb&apos;; may be given many times, after the stored
                       further outputs. An output that fails fails alone.
                       Not with --mail, which sends one copy of a picture
  --files-from FILE    also take the pictures listed in FILE, one a line,
                       or standard input for &quot;-&quot;: for lists of any length,
                       from find or another program
  --null               with --files-from: the names are separated by NUL
                       bytes (find -print0), so any name is safe
  --dry-run            write nothing: print the batch&apos;s plan, each result&apos;s
                       path, its size in pixels as written, about how many
                       bytes it would take and what it does to a file of
                       its name, one a line separated by tabs, then the
                       total; the bytes come from encoding one picture of
                       each kind (the same type and size), the heaviest
                       kinds first, for under a second. The run writes
                       exactly where its plan says
  --undo               undo the last batch, from its journal: every file it
                       replaced comes back from the Trash, and every result
                       it wrote goes, but only while it is as the batch left
                       it; a result changed since is left and named, and so
                       is a file whose original cannot come back (the
                       Trash was off, or has been emptied). With --dry-run
                       it only says what it would do. Works after a batch
                       that was stopped or killed, and after a restart
  --preset NAME        start from the preset NAME instead of the stored
                       options (--set and --also still apply on top)
  --save-preset NAME   store the options of this command line (the stored
                       ones or --preset&apos;s, with --set and --also) as the
                       preset NAME, replacing one of that name, and exit
  --list-presets       print the presets&apos; names, one a line, and exit
  --delete-preset NAME delete the preset NAME (those that come with Tessary
                       too) and exit
  --answer POLICY      how to answer the questions of the batch (&quot;overwrite
                       this file?&quot;, &quot;convert to 256 colours?&quot;):
                         ask         ask on the terminal
                         yes-to-all  answer &quot;Yes to all&quot; every time
                         no-to-all   answer &quot;No to all&quot; every time
                       Default: ask when standard input is a terminal,
                       else no-to-all.
  --desktop-size WxH   the desktop size used with desktop=1; default: the
                       primary screen&apos;s size
  --jobs N             pictures worked on at once (default: one per core)
  --mail               resize into temporary copies and hand them to your mail
                       client as attachments of a new message, with the mail
                       subject and body stored by Tessary (with override=1 the
                       overwritten pictures are attached); needs xdg-email
  --recursive          a FILE that is a folder stands for every picture under
                       it, depth first in name order; the batch&apos;s own
                       &quot;resize&quot; folders are never entered, and with an
                       absolute dest the folders below FILE are made again
                       under it. Without it a folder is a usage error
  --info               resize nothing: print each FILE&apos;s properties as the
                       preview shows them, after a line &quot;== FILE&quot;: its EXIF
                       entries as &quot;title&lt;TAB&gt;value&quot; with an empty line between
                       the IFD groups, or its width and height when it has no
                       EXIF, or &quot;cannot read picture&quot;
  --list FOLDER        resize nothing: print the rows Tessary&apos;s file list shows
                       for FOLDER, one a line: name, size, type and time,
                       separated by tabs, &quot;..&quot; first where the list has it
  --sort COLUMN        with --list: name (the default), size, type or time
  --descending         with --list: the other way round (folders stay first)
  --help               show this text and exit
  --version            show the version and exit
  --                   end of options: every later argument is a FILE, even
                       one that starts with a dash

While it runs, the picture being handled is shown on standard error when
that is a terminal. At the end one line &quot;written: N, skipped: M, failed: K&quot;
goes to standard output, counting results (a picture with further outputs
has several), then one line &quot;PATH: reason&quot; per failed result, &quot;PATH (output
N, NAME): reason&quot; when pictures have several. A result skipped by an answer
or by onexists=2 is not a failure. When results were to lose metadata, a
line says what was removed: &quot;removed: GPS position from 12 pictures,
serial numbers from 12&quot;. When JPEG photos were to be turned without
re-encoding, a line counts them, &quot;turned without re-encoding: 12 JPEG
photos&quot;, then one line &quot;PATH: re-encoded, as ...&quot; for each re-encoded
instead.

With --undo, one line &quot;undone: N back from the Trash, M results removed&quot;,
then a line &quot;PATH: reason&quot; for each file left as it is; when nothing can
be undone it says why and does nothing.

Exit status: 0 when no picture failed, 1 when one failed (with --info: one
could not be read; with --undo: something was left, or nothing could be
undone), 2 for a usage error (nothing is done then).
</source>
        <translation>Utilisation&#xa0;: tessary-batch [OPTION]... FICHIER...
Redimensionne, fait pivoter, retourne, règle les PPP et convertit les images
FICHIER... en un seul lot, avec les options enregistrées par Tessary
(«&#xa0;Définir par défaut&#xa0;» dans sa fenêtre de redimensionnement), modifiées pour
cette exécution par --set.

Options&#xa0;:
  --set NOM=VALEUR     changer une option enregistrée pour cette exécution
                       seulement (rien n’est enregistré)&#xa0;; peut être répété.
                       NOM est l’un de&#xa0;:
                         override         1&#xa0;: écrire sur les images sources
                         dest             dossier de destination&#xa0;; vide&#xa0;: un
                                          dossier «&#xa0;resize&#xa0;» à côté de chaque
                                          image&#xa0;; relatif&#xa0;: pris depuis le
                                          dossier de chaque image
                         imagetype        le type écrit, par nom ou par
                                          numéro&#xa0;: same (0) comme la source,
                                          jpg (1) JPEG, bmp (2) BMP,
                                          gif (3) GIF, ico (4) ICO,
                                          png (5) PNG, tiff (6) TIFF,
                                          pcx (7) PCX, webp (8) WebP,
                                          avif (9) AVIF, heic (10) HEIC,
                                          jxl (11) JPEG XL
                         qualilty         qualité de JPEG, WebP, AVIF, HEIC
                                          et JPEG XL, de 0 à 100
                         image_to_resize  1&#xa0;: redimensionner
                         image_to_rotate  1&#xa0;: faire pivoter ou retourner (voir
                                          rotate)
                         image_set_dpi    1&#xa0;: régler xdpi et ydpi
                         constraint       1&#xa0;: conserver les proportions
                                          (fenêtre seulement)
                         desktop          1&#xa0;: ajuster à la taille du bureau
                         width, height    nouvelle taille
                         wpercent,        unité de la largeur et de la
                         hpercent           hauteur&#xa0;: pixels (0), percent (1)
                         rotate           left (0) de 90 degrés à gauche,
                                          flip (1) de haut en bas, right (2)
                                          de 90 degrés à droite
                         xdpi, ydpi       résolution à écrire
                         noenlarge        1&#xa0;: une image plus petite que sa
                                          nouvelle taille garde la sienne
                                          (par défaut 0)
                         keepdates        1&#xa0;: chaque résultat reçoit la date
                                          de modification de sa source (par
                                          défaut 1)
                         trash            1&#xa0;: un fichier que le lot remplace
                                          est mis à la Corbeille (par
                                          défaut 1)
                         maxkb            Ko maximum de chaque résultat&#xa0;:
                                          d’abord une qualité plus basse
                                          (JPEG, WebP, AVIF, HEIC, JPEG XL),
                                          puis une taille plus petite&#xa0;; 0&#xa0;:
                                          sans limite (par défaut)
                         mailmaxkb        avec --mail&#xa0;: Ko maximum de toutes
                                          les copies ensemble&#xa0;; 0&#xa0;: sans
                                          limite (par défaut)
                         nametemplate     le nom du résultat sans son
                                          extension (par défaut {name})&#xa0;:
                                          {name} et {ext} de la source, {w}
                                          et {h} du résultat, {n} le numéro
                                          de l’image (à partir de 1&#xa0;; {n:3}
                                          donne 001), {date} et {time} de la
                                          prise de vue (AAAA-MM-JJ,
                                          HH-MM-SS), {folder} le dossier de
                                          la source&#xa0;; «&#xa0;/&#xa0;» crée des
                                          dossiers sous la destination&#xa0;;
                                          sans effet avec override=1
                         onexists         si le nom d’un résultat existe&#xa0;:
                                          ask (0, par défaut)&#xa0;: demander&#xa0;;
                                          keep-both (1)&#xa0;: conserver les deux
                                          («&#xa0;name (2).jpg&#xa0;»)&#xa0;; skip (2)&#xa0;:
                                          ignorer&#xa0;; replace (3)&#xa0;: remplacer
                         also             les sorties supplémentaires
                                          enregistrées, comme celles de
                                          --also, séparées par «&#xa0;;&#xa0;»
                         metadata         ce que chaque résultat garde des
                                          métadonnées de la photo&#xa0;: all (0,
                                          par défaut)&#xa0;: tout&#xa0;; private (1)&#xa0;:
                                          seulement l’appareil, l’objectif,
                                          l’exposition, la date de prise de
                                          vue, le copyright, le profil de
                                          couleur et la résolution&#xa0;;
                                          profile (2)&#xa0;: seulement le profil
                                          de couleur et la résolution. Ce
                                          qu’aucune liste ne nomme
                                          disparaît&#xa0;; chaque résultat est
                                          relu par Exiv2, et celui qui
                                          contient autre chose échoue
                         mailmetadata     la même chose pour les copies de
                                          --mail (par défaut private)
                         srgb             1&#xa0;: pixels en sRVB avec le profil
                                          sRVB incorporé, pour le Web
                         fit              avec largeur et hauteur en pixels&#xa0;:
                                          stretch (0, par défaut)&#xa0;: l’image
                                          prend cette taille&#xa0;; fill (1)&#xa0;:
                                          mise à l’échelle pour la couvrir,
                                          puis rognée&#xa0;; pad (2)&#xa0;: mise à
                                          l’échelle pour y tenir, puis posée
                                          sur un fond de cette taille
                         anchor           ce que fill garde&#xa0;: centre (0, par
                                          défaut)&#xa0;; attention (1)&#xa0;: la
                                          partie la plus intéressante&#xa0;;
                                          start (2)&#xa0;: le haut ou la gauche&#xa0;;
                                          end (3)&#xa0;: le bas ou la droite
                         padcolour        le fond de pad, RVB en hexadécimal
                                          (par défaut FFFFFF, blanc)&#xa0;; vide&#xa0;:
                                          transparent là où le type le
                                          permet
                         side             both (0, par défaut)&#xa0;: largeur et
                                          hauteur&#xa0;; longer (1)&#xa0;: le côté le
                                          plus long prend la largeur&#xa0;;
                                          shorter (2)&#xa0;: le plus court la
                                          prend&#xa0;; l’autre suit en proportion
                         lossless         1&#xa0;: un JPEG seulement pivoté,
                                          retourné, redressé selon son
                                          orientation EXIF ou doté de PPP,
                                          et écrit en JPEG, garde ses
                                          propres données compressées,
                                          pivotées, sans être réencodé (par
                                          défaut)&#xa0;; celui dont le bord
                                          pivoté n’est pas un nombre entier
                                          de blocs JPEG est plutôt réencodé
                                          en entier, et l’exécution le
                                          signale&#xa0;; 0&#xa0;: toujours réencoder
                       Une option dont les valeurs ont un nom ci-dessus prend
                       ce nom ou son numéro (fit=pad ou fit=2)&#xa0;; un autre mot
                       est refusé, avec la liste des noms. Les nombres hors
                       de leur plage sont refusés&#xa0;: options binaires 0-1,
                       imagetype 0-11, qualilty 0-100, rotate 0-2, PPP
                       1-65535, tailles 1-65535 pixels ou 1-10000 pour cent.
  --also CHANGEMENTS   une sortie supplémentaire de chaque image, à partir du
                       même décodage&#xa0;: les options avec CHANGEMENTS, des
                       paires NOM=VALEUR séparées par «&#xa0;,&#xa0;» (une barre
                       oblique inverse garde une «&#xa0;,&#xa0;» ou un «&#xa0;;&#xa0;» dans une
                       valeur), p. ex. --also
                       &apos;width=320,nametemplate={name}-thumb&apos;&#xa0;; peut être
                       répété, après les sorties supplémentaires
                       enregistrées. Une sortie qui échoue échoue seule.
                       Pas avec --mail, qui envoie une seule copie de chaque
                       image
  --files-from FICHIER prendre aussi les images listées dans FICHIER, une par
                       ligne, ou l’entrée standard pour «&#xa0;-&#xa0;»&#xa0;: pour des
                       listes de toute longueur, issues de find ou d’un autre
                       programme
  --null               avec --files-from&#xa0;: les noms sont séparés par des
                       octets NUL (find -print0), ainsi tout nom est sûr
  --dry-run            ne rien écrire&#xa0;: afficher le plan du lot, le chemin de
                       chaque résultat, sa taille en pixels telle qu’écrite,
                       environ combien d’octets il prendrait et ce qu’il fait
                       à un fichier de son nom, un par ligne, séparés par des
                       tabulations, puis le total&#xa0;; les octets viennent de
                       l’encodage d’une image de chaque sorte (même type et
                       même taille), les sortes les plus lourdes d’abord, en
                       moins d’une seconde. L’exécution écrit exactement là
                       où son plan le dit
  --undo               annuler le dernier lot, d’après son journal&#xa0;: chaque
                       fichier qu’il a remplacé revient de la Corbeille, et
                       chaque résultat qu’il a écrit disparaît, mais
                       seulement s’il est tel que le lot l’a laissé&#xa0;; un
                       résultat modifié depuis est laissé et nommé, de même
                       qu’un fichier dont l’original ne peut pas revenir
                       (l’option Corbeille était désactivée, ou la Corbeille
                       a été vidée). Avec --dry-run, il dit seulement ce
                       qu’il ferait. Fonctionne après un lot arrêté ou
                       interrompu de force, et après un redémarrage
  --preset NOM         partir du préréglage NOM au lieu des options
                       enregistrées (--set et --also s’appliquent toujours
                       par-dessus)
  --save-preset NOM    enregistrer les options de cette ligne de commande
                       (celles enregistrées ou de --preset, avec --set et
                       --also) comme préréglage NOM, en remplaçant celui de
                       ce nom, et quitter
  --list-presets       afficher les noms des préréglages, un par ligne, et
                       quitter
  --delete-preset NOM  supprimer le préréglage NOM (ceux fournis avec Tessary
                       aussi) et quitter
  --answer MODE        comment répondre aux questions du lot («&#xa0;écraser ce
                       fichier&#xa0;?&#xa0;», «&#xa0;convertir en 256 couleurs&#xa0;?&#xa0;»)&#xa0;:
                         ask         demander dans le terminal
                         yes-to-all  répondre «&#xa0;Oui pour tout&#xa0;» à chaque fois
                         no-to-all   répondre «&#xa0;Non pour tout&#xa0;» à chaque fois
                       Par défaut&#xa0;: ask si l’entrée standard est un
                       terminal, sinon no-to-all.
  --desktop-size LxH   la taille du bureau utilisée avec desktop=1&#xa0;; par
                       défaut&#xa0;: la taille de l’écran principal
  --jobs N             images traitées à la fois (par défaut&#xa0;: une par cœur)
  --mail               redimensionner en copies temporaires et les confier à
                       votre logiciel de messagerie en pièces jointes d’un
                       nouveau message, avec l’objet et le texte enregistrés
                       par Tessary (avec override=1, les images écrasées
                       sont jointes)&#xa0;; nécessite xdg-email
  --recursive          un FICHIER qui est un dossier représente chaque image
                       qu’il contient, en profondeur d’abord, par ordre de
                       nom&#xa0;; les dossiers «&#xa0;resize&#xa0;» du lot ne sont jamais
                       parcourus, et avec une destination absolue les
                       dossiers sous FICHIER y sont recréés. Sans cette
                       option, un dossier est une erreur d’utilisation
  --info               ne rien redimensionner&#xa0;: afficher les propriétés de
                       chaque FICHIER comme l’aperçu les montre, après une
                       ligne «&#xa0;== FICHIER&#xa0;»&#xa0;: ses entrées EXIF sous la forme
                       «&#xa0;titre&lt;TAB&gt;valeur&#xa0;» avec une ligne vide entre les
                       groupes IFD, ou sa largeur et sa hauteur s’il n’a pas
                       d’EXIF, ou «&#xa0;cannot read picture&#xa0;»
  --list DOSSIER       ne rien redimensionner&#xa0;: afficher les lignes que la
                       liste de fichiers de Tessary montre pour DOSSIER, une
                       par ligne&#xa0;: nom, taille, type et date, séparés par des
                       tabulations, «&#xa0;..&#xa0;» d’abord là où la liste l’a
  --sort COLONNE       avec --list&#xa0;: name (par défaut), size, type ou time
  --descending         avec --list&#xa0;: dans l’autre sens (les dossiers restent
                       en tête)
  --help               afficher ce texte et quitter
  --version            afficher la version et quitter
  --                   fin des options&#xa0;: chaque argument suivant est un
                       FICHIER, même s’il commence par un tiret

Pendant l’exécution, l’image en cours est affichée sur la sortie d’erreur si
c’est un terminal. À la fin, une ligne «&#xa0;written: N, skipped: M, failed: K&#xa0;»
va sur la sortie standard, comptant les résultats (une image avec des sorties
supplémentaires en a plusieurs), puis une ligne «&#xa0;CHEMIN: raison&#xa0;» par
résultat en échec, «&#xa0;CHEMIN (output N, NOM): raison&#xa0;» quand les images en ont
plusieurs. Un résultat ignoré par une réponse ou par onexists=2 n’est pas un
échec. Quand des résultats devaient perdre des métadonnées, une ligne dit ce
qui a été retiré&#xa0;:
«&#xa0;removed: GPS position from 12 pictures, serial numbers from 12&#xa0;».
Quand des photos JPEG devaient pivoter sans réencodage, une ligne les compte,
«&#xa0;rotation sans réencodage&#xa0;: 12 photos JPEG&#xa0;», puis une ligne
«&#xa0;CHEMIN: re-encoded, as ...&#xa0;» pour chacune réencodée à la place.

Avec --undo, une ligne «&#xa0;undone: N back from the Trash, M results removed&#xa0;»,
puis une ligne «&#xa0;CHEMIN: raison&#xa0;» par fichier laissé tel quel&#xa0;; quand rien ne
peut être annulé, il dit pourquoi et ne fait rien.

Code de sortie&#xa0;: 0 si aucune image n’a échoué, 1 si une a échoué (avec
--info&#xa0;: si une n’a pas pu être lue&#xa0;; avec --undo&#xa0;: si quelque chose est
resté tel quel, ou si rien n’a pu être annulé), 2 pour une erreur
d’utilisation (rien n’est fait alors).
</translation>
    </message>
    <message>
        <source>--undo undoes the last batch, and takes no FILE</source>
        <translation>--undo annule le dernier lot et ne prend aucun FICHIER</translation>
    </message>
</context>
<context>
    <name>tessary-menu</name>
    <message>
        <source>Usage: tessary-menu --command N [--preset NAME] [--wait] [--pictures-only] [--nautilus]
                    [--] FILE...
       tessary-menu --install | --uninstall

Hands FILEs to Tessary the way its file-manager menu items do, or puts those
items into the menus of Dolphin, Nautilus, Nemo and Thunar. A FILE that is a
folder stands for every picture under it, as with tessary-batch --recursive.

  --command N      the command for tessary: 0 the resize dialog, 1 resize with
                   the default settings, 2 the same and mail the results,
                   3 resize with the preset of --preset; other numbers open
                   the main window
  --preset NAME    the preset of --command 3
  --wait           wait for tessary to end and exit with its status
  --pictures-only  pass on only the files with a picture extension
  --nautilus       take the files from NAUTILUS_SCRIPT_SELECTED_URIS when it is
                   set (what Nautilus&apos;s scripts get), not from the arguments

A folder, or files none of which is a picture, is shown to the user in a window
first (the pictures found, with Resize and Cancel), so it needs a screen.
  --install        write the menu items that Tessary&apos;s options select
  --uninstall      remove every menu item of Tessary&apos;s
  --help           show this help
  --version        show the version

Exit status: 0 done, 1 failed, 2 wrong usage or a path too long for a hand-off.
</source>
        <translation>Utilisation&#xa0;: tessary-menu --command N [--preset NOM] [--wait]
                           [--pictures-only] [--nautilus] [--] FICHIER...
              tessary-menu --install | --uninstall

Confie chaque FICHIER à Tessary comme le font ses éléments de menu dans le
gestionnaire de fichiers, ou place ces éléments dans les menus de Dolphin,
Nautilus, Nemo et Thunar. Un FICHIER qui est un dossier représente chaque
image qu’il contient, comme avec tessary-batch --recursive.

  --command N      la commande pour tessary&#xa0;: 0 la fenêtre de
                   redimensionnement, 1 redimensionner avec les réglages par
                   défaut, 2 la même chose et envoyer les résultats,
                   3 redimensionner avec le préréglage de --preset&#xa0;; les
                   autres nombres ouvrent la fenêtre principale
  --preset NOM     le préréglage de --command 3
  --wait           attendre la fin de tessary et renvoyer son code de sortie
  --pictures-only  ne transmettre que les fichiers ayant une extension d’image
  --nautilus       prendre les fichiers dans NAUTILUS_SCRIPT_SELECTED_URIS
                   s’il est défini (ce que reçoivent les scripts de
                   Nautilus), pas dans les arguments

Un dossier, ou des fichiers dont aucun n’est une image, vous est d’abord
montré dans une fenêtre (les images trouvées, avec «&#xa0;Redimensionner&#xa0;» et
«&#xa0;Annuler&#xa0;»)&#xa0;; il faut donc un écran.
  --install        écrire les éléments de menu que les options de Tessary
                   choisissent
  --uninstall      retirer tous les éléments de menu de Tessary
  --help           afficher cette aide
  --version        afficher la version

Code de sortie&#xa0;: 0 fait, 1 échec, 2 mauvaise utilisation ou chemin trop long
pour une transmission.
</translation>
    </message>
    <message>
        <source>Try &apos;tessary-menu --help&apos;.</source>
        <translation>Essayez «&#xa0;tessary-menu --help&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot start %1: %2.</source>
        <translation>Impossible de lancer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source> Tessary asks before it resizes a folder&apos;s pictures, in a window; there is no screen (tessary-batch --recursive works without one).</source>
        <translation> Tessary demande dans une fenêtre avant de redimensionner les images d’un dossier&#xa0;; il n’y a pas d’écran (tessary-batch --recursive fonctionne sans).</translation>
    </message>
    <message>
        <source>There is no preset named &quot;%1&quot; any more.</source>
        <translation>Il n’y a plus de préréglage nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The path is longer than a hand-off can carry (%1 bytes): %2</source>
        <translation>Le chemin est plus long que ce qu’une transmission peut porter (%1 octets)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot find the tessary program.</source>
        <translation>Impossible de trouver le programme tessary.</translation>
    </message>
    <message>
        <source>There is no private folder for the hand-off: %1.</source>
        <translation>Il n’y a pas de dossier privé pour la transmission&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot lock the hand-off: %1.</source>
        <translation>Impossible de verrouiller la transmission&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot make the hand-off block %1: %2.</source>
        <translation>Impossible de créer le bloc de transmission %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Tessary works on the files of this computer, and %1 is not one.</source>
        <translation>Tessary travaille sur les fichiers de cet ordinateur, et %1 n’en est pas un.</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>rien à faire</translation>
    </message>
    <message>
        <source>--command needs a number from 0 to 4294967295</source>
        <translation>--command demande un nombre de 0 à 4294967295</translation>
    </message>
    <message>
        <source>--preset needs a NAME</source>
        <translation>--preset demande un NOM</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--command N is missing</source>
        <translation>--command N manque</translation>
    </message>
    <message>
        <source>--preset NAME goes with --command 3, and only with it</source>
        <translation>--preset NOM va avec --command 3, et seulement avec elle</translation>
    </message>
</context>
</TS>
