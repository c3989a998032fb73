<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>velmora</name>
    <message>
        <source>The folder list is being saved; try again in a moment.</source>
        <translation>La liste des dossiers est en cours d&apos;enregistrement ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Cannot read the size “%1”: use a number with k, M or G, as in size:&gt;10M</source>
        <translation>Impossible de lire la taille « %1 » : indiquez un nombre avec k, M ou G, par exemple size:&gt;10M</translation>
    </message>
    <message>
        <source>Cannot read the date “%1”: use a year, a month or a day, as in modified:2019-07-14, or today, yesterday, week or month</source>
        <translation>Impossible de lire la date « %1 » : indiquez une année, un mois ou un jour, par exemple modified:2019-07-14, ou today, yesterday, week ou month</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder list.</source>
        <translation>%1 n&apos;est plus dans la liste des dossiers.</translation>
    </message>
    <message>
        <source>These folders of %1 cannot be used; they stay in the file as they are:</source>
        <translation>Ces dossiers de %1 ne peuvent pas être utilisés ; ils restent tels quels dans le fichier :</translation>
    </message>
    <message>
        <source>A folder path with a line break cannot be stored.</source>
        <translation>Un chemin de dossier contenant un saut de ligne ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>A folder path holding a NUL byte cannot be used.</source>
        <translation>Un chemin de dossier contenant un octet NUL ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>A folder path this long cannot be used.</source>
        <translation>Un chemin de dossier aussi long ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>A tag with a line break cannot be stored.</source>
        <translation>Une étiquette contenant un saut de ligne ne peut pas être enregistrée.</translation>
    </message>
    <message>
        <source>Cannot lock %1: the folder list is being changed by another program. Try again in a moment: nothing was changed.</source>
        <translation>Impossible de verrouiller %1 : un autre programme modifie la liste des dossiers. Réessayez dans un instant ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Sous-dossiers</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a folder: why</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 is not there yet: Enter or OK makes it.</source>
        <translation>%1 n&apos;existe pas encore : Entrée ou OK le crée.</translation>
    </message>
    <message>
        <source>Type the new folder&apos;s name: Enter or OK makes it.</source>
        <translation>Saisissez le nom du nouveau dossier : Entrée ou OK le crée.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>le nom contient un octet NUL</translation>
    </message>
    <message>
        <source>no program is set to open this kind of file</source>
        <translation>aucun programme n&apos;est défini pour ouvrir ce type de fichier</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Start Copying</source>
        <translation>Début de la copie</translation>
    </message>
    <message>
        <source>Start Moving</source>
        <translation>Début du déplacement</translation>
    </message>
    <message>
        <source>No file to delete</source>
        <translation>Aucun fichier à supprimer</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>Voulez-vous vraiment supprimer les fichiers sélectionnés ?</translation>
    </message>
    <message>
        <source>Start Deleting</source>
        <translation>Début de la suppression</translation>
    </message>
    <message>
        <source>please input new file name</source>
        <translation>Saisissez le nouveau nom du fichier</translation>
    </message>
    <message>
        <source>input new file name</source>
        <translation>Nouveau nom de fichier</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Start Undoing</source>
        <translation>Début de l&apos;annulation</translation>
    </message>
    <message>
        <source>These files stayed as they are:</source>
        <translation>Ces fichiers sont restés tels quels :</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;: it would move the file into another folder.</source>
        <translation>Un nom de fichier ne peut pas contenir « / » : le fichier serait déplacé dans un autre dossier.</translation>
    </message>
    <message>
        <source>A file name cannot contain a NUL character.</source>
        <translation>Un nom de fichier ne peut pas contenir de caractère NUL.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation>« %1 » désigne un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 conservé</translation>
    </message>
    <message>
        <source>A file named %1 already exists. Replace it?</source>
        <translation>Un fichier nommé %1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copie de %1</translation>
    </message>
    <message>
        <source>%1. Delete it permanently?</source>
        <translation>%1. Le supprimer définitivement ?</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message>
        <source>Find by name</source>
        <translation>Rechercher par nom</translation>
    </message>
    <message>
        <source>All Folders Together</source>
        <translation>Tous les dossiers ensemble</translation>
    </message>
    <message>
        <source>%1
Folder changes cannot be saved while it cannot be read.</source>
        <translation>%1
Les modifications des dossiers ne peuvent pas être enregistrées tant qu&apos;elle est illisible.</translation>
    </message>
    <message>
        <source>Input User Definded Tag</source>
        <translation>Saisir une étiquette personnalisée</translation>
    </message>
    <message>
        <source>The folder %1 of the search “%2” is not in the folder list any more.</source>
        <translation>Le dossier %1 de la recherche « %2 » n&apos;est plus dans la liste des dossiers.</translation>
    </message>
    <message>
        <source>Velmora - All Folders</source>
        <translation>Velmora - Tous les dossiers</translation>
    </message>
    <message>
        <source>%1 — search %2</source>
        <translation>%1 — recherche %2</translation>
    </message>
    <message>
        <source>
Changes made elsewhere are checked every %1 s</source>
        <translation>
Les modifications faites ailleurs sont vérifiées toutes les %1 s</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more</source>
        <translation>Le dossier %1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>About Velmora (read me)</source>
        <translation>À propos de Velmora (lisez-moi)</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Une</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show Auto Tags</source>
        <translation>Étiquettes auto</translation>
    </message>
    <message>
        <source>Add User Defined Tag</source>
        <translation>Ajouter une étiquette perso</translation>
    </message>
    <message>
        <source> Click the tag name to add or remove it from the Tag Filter.</source>
        <translation> Cliquez sur une étiquette pour l&apos;ajouter au filtre ou l&apos;en retirer.</translation>
    </message>
    <message>
        <source>Tag Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>of the following tags.</source>
        <translation>des étiquettes.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Avec</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Étiquettes :</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Dossiers :</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Tag filter</source>
        <translation>Filtre d&apos;étiquettes</translation>
    </message>
    <message>
        <source>User tags</source>
        <translation>Étiquettes personnelles</translation>
    </message>
    <message>
        <source>Scroll the tags</source>
        <translation>Faire défiler les étiquettes</translation>
    </message>
    <message>
        <source>Scroll the user tags</source>
        <translation>Faire défiler les étiquettes personnelles</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Remove a Folder</source>
        <translation>Retirer un dossier</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Ouvrir le dossier parent</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show Count in Status Line</source>
        <translation>Afficher le nombre dans la barre d&apos;état</translation>
    </message>
    <message>
        <source>Exclude “%1”</source>
        <translation>Exclure « %1 »</translation>
    </message>
    <message>
        <source>First Seen</source>
        <translation>Ordre de découverte</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>De A à Z</translation>
    </message>
    <message>
        <source>Most Files First</source>
        <translation>Plus de fichiers d&apos;abord</translation>
    </message>
    <message>
        <source>Tags from Folder Names</source>
        <translation>Étiquettes tirées des noms de dossiers</translation>
    </message>
    <message>
        <source>Keep Digits in Tags</source>
        <translation>Garder les chiffres dans les étiquettes</translation>
    </message>
    <message>
        <source>Keep Filter After Commands</source>
        <translation>Garder le filtre après les commandes</translation>
    </message>
    <message>
        <source>Match Whole Tags</source>
        <translation>Étiquettes entières uniquement</translation>
    </message>
    <message>
        <source>Scan Order</source>
        <translation>Ordre de lecture</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Rechercher…</translation>
    </message>
    <message>
        <source>Save Search</source>
        <translation>Enregistrer la recherche</translation>
    </message>
    <message>
        <source>%1
Searches cannot be kept while it cannot be read.</source>
        <translation>%1
Les recherches ne peuvent pas être conservées tant qu&apos;il est illisible.</translation>
    </message>
    <message>
        <source>Saved Searches</source>
        <translation>Recherches enregistrées</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Gérer…</translation>
    </message>
    <message>
        <source>Save Search…</source>
        <translation>Enregistrer la recherche…</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>Nom de la recherche :</translation>
    </message>
    <message>
        <source>A search named %1 is kept already. Replace it?</source>
        <translation>Une recherche nommée %1 est déjà enregistrée. La remplacer ?</translation>
    </message>
    <message>
        <source>Two searches cannot both be named %1; nothing was changed.</source>
        <translation>Deux recherches ne peuvent pas s&apos;appeler toutes deux %1 ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%L1 of %2</source>
        <comment>3 of 957,650 files</comment>
        <translation>%L1 sur %2</translation>
    </message>
    <message>
        <source>
%1 of the folder, %L2 of them listed</source>
        <comment>3 files of the folder, 1 of them listed</comment>
        <translation>
%1 dans le dossier, dont %L2 affichés</translation>
    </message>
    <message>
        <source>Checking %1 listed earlier…</source>
        <comment>%1: 12 files</comment>
        <translation>Vérification de %1 listés auparavant…</translation>
    </message>
    <message>
        <source>Reading sizes and dates…</source>
        <translation>Lecture des tailles et des dates…</translation>
    </message>
    <message>
        <source>Not checked: %1 listed as of an earlier reading</source>
        <translation>Non vérifié : %1 listés d&apos;après une lecture antérieure</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <comment>%1: 12 files</comment>
        <translation>Arrêté à %1</translation>
    </message>
    <message>
        <source>Live refresh is off for this folder</source>
        <translation>L&apos;actualisation en direct est désactivée pour ce dossier</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 dossier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>All folders: %1</source>
        <translation>Tous les dossiers : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what failed: why</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>source and target are the same file</source>
        <translation>la source et la cible sont le même fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>another file took its place meanwhile</source>
        <translation>un autre fichier a pris sa place entre-temps</translation>
    </message>
    <message>
        <source>Copied %1 but cannot remove it</source>
        <translation>%1 a été copié mais ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>its folder %1 is gone</source>
        <translation>son dossier %1 a disparu</translation>
    </message>
    <message>
        <source>its folder is no longer the folder it came from</source>
        <translation>son dossier n&apos;est plus celui d&apos;où il venait</translation>
    </message>
    <message>
        <source>it has been changed since</source>
        <translation>il a été modifié depuis</translation>
    </message>
    <message>
        <source>a file of that name is there now</source>
        <translation>un fichier de ce nom s&apos;y trouve maintenant</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>Impossible de copier %1 vers %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2</source>
        <translation>Impossible de déplacer %1 vers %2</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>Impossible de renommer %1 en %2</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2)</source>
        <translation>%1 ne peut pas être mis à la corbeille (%2)</translation>
    </message>
    <message>
        <source>Cannot put %1 back as %2</source>
        <translation>Impossible de remettre %1 en tant que %2</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>il n&apos;existe plus</translation>
    </message>
    <message>
        <source>another file is at its place now</source>
        <translation>un autre fichier occupe maintenant sa place</translation>
    </message>
    <message>
        <source>Cannot put %1 back from the trash</source>
        <translation>Impossible de restaurer %1 depuis la corbeille</translation>
    </message>
    <message>
        <source>it is no longer in the trash</source>
        <translation>il n&apos;est plus dans la corbeille</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot lock %1: it is a symbolic link, which is not followed</source>
        <translation>Impossible de verrouiller %1 : c&apos;est un lien symbolique, qui n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Impossible de verrouiller %1 : %2</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Not using %1: %2</source>
        <translation>%1 n&apos;est pas utilisé : %2</translation>
    </message>
    <message>
        <source>it is a link or a file</source>
        <translation>c&apos;est un lien ou un fichier</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>others may write to it</source>
        <translation>d&apos;autres peuvent y écrire</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>a path - why it is refused</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Not registered:</source>
        <translation>Non enregistrés :</translation>
    </message>
    <message>
        <source>not %1</source>
        <comment>a tag left out</comment>
        <translation>pas %1</translation>
    </message>
    <message>
        <source>Copy Complete</source>
        <translation>Copie terminée</translation>
    </message>
    <message>
        <source>No file to copy</source>
        <translation>Aucun fichier à copier</translation>
    </message>
    <message>
        <source>Copy cancelled</source>
        <translation>Copie annulée</translation>
    </message>
    <message>
        <source>Move Complete</source>
        <translation>Déplacement terminé</translation>
    </message>
    <message>
        <source>No file to move</source>
        <translation>Aucun fichier à déplacer</translation>
    </message>
    <message>
        <source>Move cancelled</source>
        <translation>Déplacement annulé</translation>
    </message>
    <message>
        <source>Delete Complete</source>
        <translation>Suppression terminée</translation>
    </message>
    <message>
        <source>Delete cancelled</source>
        <translation>Suppression annulée</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>Annulation terminée</translation>
    </message>
    <message>
        <source>Undo cancelled</source>
        <translation>Annulation interrompue</translation>
    </message>
    <message>
        <source>Cannot copy %1</source>
        <translation>Impossible de copier %1</translation>
    </message>
    <message>
        <source>Cannot move %1</source>
        <translation>Impossible de déplacer %1</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>Impossible de renommer %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln dossier n&apos;a pas pu être lu</numerusform>
            <numerusform>%Ln dossiers n&apos;ont pas pu être lus</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy cancelled after %1 of %2</source>
        <translation>Copie annulée après %1 sur %2</translation>
    </message>
    <message>
        <source>Copied %1 of %2; %3 not copied</source>
        <translation>%1 copiés sur %2 ; %3 non copiés</translation>
    </message>
    <message>
        <source>Move cancelled after %1 of %2</source>
        <translation>Déplacement annulé après %1 sur %2</translation>
    </message>
    <message>
        <source>Moved %1 of %2; %3 not moved</source>
        <translation>%1 déplacés sur %2 ; %3 non déplacés</translation>
    </message>
    <message>
        <source>Undo Move of %1</source>
        <translation>Annuler le déplacement de %1</translation>
    </message>
    <message>
        <source>Delete cancelled after %1 of %2</source>
        <translation>Suppression annulée après %1 sur %2</translation>
    </message>
    <message>
        <source>Deleted %1 of %2; %3 not deleted</source>
        <translation>%1 supprimés sur %2 ; %3 non supprimés</translation>
    </message>
    <message>
        <source>Undo Delete of %1</source>
        <translation>Annuler la suppression de %1</translation>
    </message>
    <message>
        <source>Undo Rename of %1</source>
        <translation>Annuler le renommage de %1</translation>
    </message>
    <message>
        <source>Undo cancelled after %1 of %2</source>
        <translation>Annulation interrompue après %1 sur %2</translation>
    </message>
    <message>
        <source>Undone %1 of %2; %3 not undone</source>
        <translation>%1 annulés sur %2 ; %3 non annulés</translation>
    </message>
    <message>
        <source>The folder list changed since %1 was removed: where it stood is no longer known, so it was not put back.</source>
        <translation>La liste des dossiers a changé depuis le retrait de %1 : sa place n’est plus connue, il n’a donc pas été remis.</translation>
    </message>
    <message>
        <source>%1 has no user tag “%2” any more.</source>
        <translation>%1 n’a plus l’étiquette personnelle « %2 ».</translation>
    </message>
    <message>
        <source>The user tags of %1 changed since, so they were left as they are.</source>
        <translation>Les étiquettes personnelles de %1 ont changé depuis ; elles restent telles quelles.</translation>
    </message>
    <message>
        <source>Undo Remove Folder</source>
        <translation>Annuler le retrait du dossier</translation>
    </message>
    <message>
        <source>Undo Remove Tag “%1”</source>
        <translation>Annuler le retrait de l’étiquette « %1 »</translation>
    </message>
    <message>
        <source>Undo Rename Tag “%1”</source>
        <translation>Annuler le renommage de l’étiquette « %1 »</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: it would be read as two tags.</source>
        <translation>Une étiquette ne peut pas contenir de virgule : elle serait lue comme deux étiquettes.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2 could not be started</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2 n’a pas pu être lancé</translation>
    </message>
    <message numerus="yes">
        <source>Cannot open %n file(s): %1 could not be started</source>
        <translation>
            <numerusform>Impossible d&apos;ouvrir %n fichier : %1 n’a pas pu être lancé</numerusform>
            <numerusform>Impossible d&apos;ouvrir %n fichiers : %1 n’a pas pu être lancé</numerusform>
        </translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Choose the program to open the files with:</source>
        <translation>Choisissez le programme avec lequel ouvrir les fichiers :</translation>
    </message>
    <message>
        <source>Add Tag to Names</source>
        <translation>Ajouter l’étiquette aux noms</translation>
    </message>
    <message>
        <source>Tag to write into the names of the selected files:</source>
        <translation>Étiquette à écrire dans le nom des fichiers sélectionnés :</translation>
    </message>
    <message>
        <source>New word for “%1” in the names of the listed files:</source>
        <translation>Nouveau mot pour « %1 » dans le nom des fichiers listés :</translation>
    </message>
    <message>
        <source>Rename Tag in Names</source>
        <translation>Renommer l’étiquette dans les noms</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>No file name changes</source>
        <translation>Aucun nom de fichier ne change</translation>
    </message>
    <message numerus="yes">
        <source>Rename %n file(s)?</source>
        <translation>
            <numerusform>Renommer %n fichier ?</numerusform>
            <numerusform>Renommer %n fichiers ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename cancelled after %1 of %2</source>
        <translation>Renommage annulé après %1 sur %2</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message>
        <source>Renamed %1 of %2; %3 not renamed</source>
        <translation>%1 sur %2 renommés ; %3 non renommés</translation>
    </message>
    <message>
        <source>No file to rename</source>
        <translation>Aucun fichier à renommer</translation>
    </message>
    <message>
        <source>Rename cancelled</source>
        <translation>Renommage annulé</translation>
    </message>
    <message numerus="yes">
        <source>Renaming %n file(s)</source>
        <translation>
            <numerusform>Renommage de %n fichier</numerusform>
            <numerusform>Renommage de %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>These files were not renamed:</source>
        <translation>Ces fichiers n’ont pas été renommés :</translation>
    </message>
    <message>
        <source>Add a folder with +</source>
        <translation>Ajoutez un dossier avec +</translation>
    </message>
    <message>
        <source>Add a folder to the list</source>
        <translation>Ajouter un dossier à la liste</translation>
    </message>
    <message>
        <source>Take the selected folder off the list; its files stay</source>
        <translation>Retirer le dossier sélectionné de la liste ; ses fichiers restent</translation>
    </message>
    <message>
        <source>Attach a tag of your own to the selected folder</source>
        <translation>Associer une étiquette personnelle au dossier sélectionné</translation>
    </message>
    <message>
        <source>Open the selected files with their programs (%1)</source>
        <translation>Ouvrir les fichiers sélectionnés avec leurs programmes (%1)</translation>
    </message>
    <message>
        <source>Copy the selected files to a folder you choose</source>
        <translation>Copier les fichiers sélectionnés dans un dossier de votre choix</translation>
    </message>
    <message>
        <source>Move the selected files to a folder you choose</source>
        <translation>Déplacer les fichiers sélectionnés dans un dossier de votre choix</translation>
    </message>
    <message>
        <source>Rename the selected files one by one (%1)</source>
        <translation>Renommer les fichiers sélectionnés un par un (%1)</translation>
    </message>
    <message>
        <source>Move the selected files to the trash (%1)</source>
        <translation>Mettre les fichiers sélectionnés à la corbeille (%1)</translation>
    </message>
    <message>
        <source>Select every listed file, or none (%1 in the list)</source>
        <translation>Sélectionner tous les fichiers listés, ou aucun (%1 dans la liste)</translation>
    </message>
    <message>
        <source>Show the tags cut from the file names</source>
        <translation>Afficher les étiquettes tirées des noms de fichiers</translation>
    </message>
    <message>
        <source>List the files whose names hold every tag of the filter</source>
        <translation>Lister les fichiers dont le nom contient toutes les étiquettes du filtre</translation>
    </message>
    <message>
        <source>List the files whose names hold any tag of the filter</source>
        <translation>Lister les fichiers dont le nom contient une des étiquettes du filtre</translation>
    </message>
    <message>
        <source>Other Application…</source>
        <translation>Autre application…</translation>
    </message>
    <message>
        <source>Add Tag to Names…</source>
        <translation>Ajouter l’étiquette aux noms…</translation>
    </message>
</context>
<context>
    <name>velmora::mainwindow::Form1</name>
    <message>
        <source>Remove Tag from Names…</source>
        <translation>Retirer l’étiquette des noms…</translation>
    </message>
    <message>
        <source>Rename Tag in Names…</source>
        <translation>Renommer l’étiquette dans les noms…</translation>
    </message>
    <message>
        <source>Rename Tag…</source>
        <translation>Renommer l’étiquette…</translation>
    </message>
    <message>
        <source>New name of the tag “%1”:</source>
        <translation>Nouveau nom de l’étiquette « %1 » :</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>Renommer l’étiquette</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Retirer l’étiquette</translation>
    </message>
</context>
</TS>
