<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>velmora</name>
    <message>
        <source>The folder list is being saved; try again in a moment.</source>
        <translation>Se está guardando la lista de carpetas; inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>Cannot read the size “%1”: use a number with k, M or G, as in size:&gt;10M</source>
        <translation>No se puede leer el tamaño «%1»: use un número con k, M o G, como en size:&gt;10M</translation>
    </message>
    <message>
        <source>Cannot read the date “%1”: use a year, a month or a day, as in modified:2019-07-14, or today, yesterday, week or month</source>
        <translation>No se puede leer la fecha «%1»: use un año, un mes o un día, como en modified:2019-07-14, o today, yesterday, week o month</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder list.</source>
        <translation>%1 ya no está en la lista de carpetas.</translation>
    </message>
    <message>
        <source>These folders of %1 cannot be used; they stay in the file as they are:</source>
        <translation>Estas carpetas de %1 no se pueden usar; se quedan en el archivo tal como están:</translation>
    </message>
    <message>
        <source>A folder path with a line break cannot be stored.</source>
        <translation>No se puede guardar una ruta de carpeta con un salto de línea.</translation>
    </message>
    <message>
        <source>A folder path holding a NUL byte cannot be used.</source>
        <translation>No se puede usar una ruta de carpeta que contiene un byte NUL.</translation>
    </message>
    <message>
        <source>A folder path this long cannot be used.</source>
        <translation>No se puede usar una ruta de carpeta tan larga.</translation>
    </message>
    <message>
        <source>A tag with a line break cannot be stored.</source>
        <translation>No se puede guardar una etiqueta con un salto de línea.</translation>
    </message>
    <message>
        <source>Cannot lock %1: the folder list is being changed by another program. Try again in a moment: nothing was changed.</source>
        <translation>No se puede bloquear %1: otro programa está cambiando la lista de carpetas. Inténtelo de nuevo en un momento; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Subcarpetas</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a folder: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not there yet: Enter or OK makes it.</source>
        <translation>%1 aún no existe: Intro o Aceptar la crea.</translation>
    </message>
    <message>
        <source>Type the new folder&apos;s name: Enter or OK makes it.</source>
        <translation>Escriba el nombre de la nueva carpeta: Intro o Aceptar la crea.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>el nombre contiene un byte NUL</translation>
    </message>
    <message>
        <source>no program is set to open this kind of file</source>
        <translation>no hay ningún programa configurado para abrir este tipo de archivo</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleccione una carpeta</translation>
    </message>
    <message>
        <source>Start Copying</source>
        <translation>Iniciando la copia</translation>
    </message>
    <message>
        <source>Start Moving</source>
        <translation>Iniciando el traslado</translation>
    </message>
    <message>
        <source>No file to delete</source>
        <translation>Ningún archivo para eliminar</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>¿Seguro que desea eliminar los archivos seleccionados?</translation>
    </message>
    <message>
        <source>Start Deleting</source>
        <translation>Iniciando la eliminación</translation>
    </message>
    <message>
        <source>please input new file name</source>
        <translation>Escriba el nuevo nombre del archivo</translation>
    </message>
    <message>
        <source>input new file name</source>
        <translation>Nuevo nombre de archivo</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Start Undoing</source>
        <translation>Iniciando la operación de deshacer</translation>
    </message>
    <message>
        <source>These files stayed as they are:</source>
        <translation>Estos archivos se quedaron como estaban:</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;: it would move the file into another folder.</source>
        <translation>Un nombre de archivo no puede contener «/»: movería el archivo a otra carpeta.</translation>
    </message>
    <message>
        <source>A file name cannot contain a NUL character.</source>
        <translation>Un nombre de archivo no puede contener un carácter NUL.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation>«%1» designa una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>Se conservó %1</translation>
    </message>
    <message>
        <source>A file named %1 already exists. Replace it?</source>
        <translation>Ya existe un archivo llamado %1. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <source>%1. Delete it permanently?</source>
        <translation>%1. ¿Eliminarlo definitivamente?</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>Find by name</source>
        <translation>Buscar por nombre</translation>
    </message>
    <message>
        <source>All Folders Together</source>
        <translation>Todas las carpetas juntas</translation>
    </message>
    <message>
        <source>%1
Folder changes cannot be saved while it cannot be read.</source>
        <translation>%1
Los cambios de carpetas no se pueden guardar mientras no se pueda leer.</translation>
    </message>
    <message>
        <source>Input User Definded Tag</source>
        <translation>Introducir etiqueta personalizada</translation>
    </message>
    <message>
        <source>The folder %1 of the search “%2” is not in the folder list any more.</source>
        <translation>La carpeta %1 de la búsqueda «%2» ya no está en la lista de carpetas.</translation>
    </message>
    <message>
        <source>Velmora - All Folders</source>
        <translation>Velmora - Todas las carpetas</translation>
    </message>
    <message>
        <source>%1 — search %2</source>
        <translation>%1 — búsqueda %2</translation>
    </message>
    <message>
        <source>
Changes made elsewhere are checked every %1 s</source>
        <translation>
Los cambios hechos en otro lugar se comprueban cada %1 s</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more</source>
        <translation>La carpeta %1 ya no existe</translation>
    </message>
    <message>
        <source>About Velmora (read me)</source>
        <translation>Acerca de Velmora (léame)</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versión 1.1</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alguna</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>Mover a</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copiar a</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show Auto Tags</source>
        <translation>Etiquetas auto</translation>
    </message>
    <message>
        <source>Add User Defined Tag</source>
        <translation>Añadir etiqueta propia</translation>
    </message>
    <message>
        <source> Click the tag name to add or remove it from the Tag Filter.</source>
        <translation> Haga clic en una etiqueta para añadirla al filtro o quitarla de él.</translation>
    </message>
    <message>
        <source>Tag Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>of the following tags.</source>
        <translation>de las etiquetas.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Con</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Etiquetas:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Carpetas:</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Tag filter</source>
        <translation>Filtro de etiquetas</translation>
    </message>
    <message>
        <source>User tags</source>
        <translation>Etiquetas propias</translation>
    </message>
    <message>
        <source>Scroll the tags</source>
        <translation>Desplazar las etiquetas</translation>
    </message>
    <message>
        <source>Scroll the user tags</source>
        <translation>Desplazar las etiquetas propias</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Añadir una carpeta</translation>
    </message>
    <message>
        <source>Remove a Folder</source>
        <translation>Quitar una carpeta</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir la carpeta contenedora</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar ruta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Show Count in Status Line</source>
        <translation>Mostrar el recuento en la línea de estado</translation>
    </message>
    <message>
        <source>Exclude “%1”</source>
        <translation>Excluir «%1»</translation>
    </message>
    <message>
        <source>First Seen</source>
        <translation>Orden de aparición</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>De la A a la Z</translation>
    </message>
    <message>
        <source>Most Files First</source>
        <translation>Más archivos primero</translation>
    </message>
    <message>
        <source>Tags from Folder Names</source>
        <translation>Etiquetas de los nombres de carpeta</translation>
    </message>
    <message>
        <source>Keep Digits in Tags</source>
        <translation>Conservar los dígitos en las etiquetas</translation>
    </message>
    <message>
        <source>Keep Filter After Commands</source>
        <translation>Conservar el filtro tras los comandos</translation>
    </message>
    <message>
        <source>Match Whole Tags</source>
        <translation>Solo etiquetas completas</translation>
    </message>
    <message>
        <source>Scan Order</source>
        <translation>Orden de lectura</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Buscar…</translation>
    </message>
    <message>
        <source>Save Search</source>
        <translation>Guardar búsqueda</translation>
    </message>
    <message>
        <source>%1
Searches cannot be kept while it cannot be read.</source>
        <translation>%1
No se pueden guardar búsquedas mientras no se pueda leer.</translation>
    </message>
    <message>
        <source>Saved Searches</source>
        <translation>Búsquedas guardadas</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Administrar…</translation>
    </message>
    <message>
        <source>Save Search…</source>
        <translation>Guardar búsqueda…</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>Nombre de la búsqueda:</translation>
    </message>
    <message>
        <source>A search named %1 is kept already. Replace it?</source>
        <translation>Ya hay una búsqueda guardada llamada %1. ¿Reemplazarla?</translation>
    </message>
    <message>
        <source>Two searches cannot both be named %1; nothing was changed.</source>
        <translation>Dos búsquedas no pueden llamarse ambas %1; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%L1 of %2</source>
        <comment>3 of 957,650 files</comment>
        <translation>%L1 de %2</translation>
    </message>
    <message>
        <source>
%1 of the folder, %L2 of them listed</source>
        <comment>3 files of the folder, 1 of them listed</comment>
        <translation>
%1 de la carpeta, %L2 de ellos en la lista</translation>
    </message>
    <message>
        <source>Checking %1 listed earlier…</source>
        <comment>%1: 12 files</comment>
        <translation>Comprobando %1 listados antes…</translation>
    </message>
    <message>
        <source>Reading sizes and dates…</source>
        <translation>Leyendo tamaños y fechas…</translation>
    </message>
    <message>
        <source>Not checked: %1 listed as of an earlier reading</source>
        <translation>Sin comprobar: %1 listados según una lectura anterior</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <comment>%1: 12 files</comment>
        <translation>Detenido en %1</translation>
    </message>
    <message>
        <source>Live refresh is off for this folder</source>
        <translation>La actualización en vivo está desactivada para esta carpeta</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>No se pudo leer 1 carpeta</translation>
    </message>
    <message>
        <source>All folders: %1</source>
        <translation>Todas las carpetas: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what failed: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>source and target are the same file</source>
        <translation>el origen y el destino son el mismo archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>another file took its place meanwhile</source>
        <translation>otro archivo ocupó su lugar mientras tanto</translation>
    </message>
    <message>
        <source>Copied %1 but cannot remove it</source>
        <translation>Se copió %1, pero no se puede quitar</translation>
    </message>
    <message>
        <source>its folder %1 is gone</source>
        <translation>su carpeta %1 ya no existe</translation>
    </message>
    <message>
        <source>its folder is no longer the folder it came from</source>
        <translation>su carpeta ya no es la carpeta de la que vino</translation>
    </message>
    <message>
        <source>it has been changed since</source>
        <translation>ha cambiado desde entonces</translation>
    </message>
    <message>
        <source>a file of that name is there now</source>
        <translation>ahora hay allí un archivo con ese nombre</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>No se puede copiar %1 a %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2</source>
        <translation>No se puede mover %1 a %2</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>No se puede renombrar %1 como %2</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>No se puede eliminar %1</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2)</source>
        <translation>%1 no se puede mover a la papelera (%2)</translation>
    </message>
    <message>
        <source>Cannot put %1 back as %2</source>
        <translation>No se puede devolver %1 como %2</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>another file is at its place now</source>
        <translation>ahora hay otro archivo en su lugar</translation>
    </message>
    <message>
        <source>Cannot put %1 back from the trash</source>
        <translation>No se puede restaurar %1 desde la papelera</translation>
    </message>
    <message>
        <source>it is no longer in the trash</source>
        <translation>ya no está en la papelera</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot lock %1: it is a symbolic link, which is not followed</source>
        <translation>No se puede bloquear %1: es un enlace simbólico, que no se sigue</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>No se puede bloquear %1: %2</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Not using %1: %2</source>
        <translation>No se usa %1: %2</translation>
    </message>
    <message>
        <source>it is a link or a file</source>
        <translation>es un enlace o un archivo</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>others may write to it</source>
        <translation>otros pueden escribir en ella</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>a path - why it is refused</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Not registered:</source>
        <translation>No registradas:</translation>
    </message>
    <message>
        <source>not %1</source>
        <comment>a tag left out</comment>
        <translation>no %1</translation>
    </message>
    <message>
        <source>Copy Complete</source>
        <translation>Copia completada</translation>
    </message>
    <message>
        <source>No file to copy</source>
        <translation>Ningún archivo para copiar</translation>
    </message>
    <message>
        <source>Copy cancelled</source>
        <translation>Copia cancelada</translation>
    </message>
    <message>
        <source>Move Complete</source>
        <translation>Traslado completado</translation>
    </message>
    <message>
        <source>No file to move</source>
        <translation>Ningún archivo para mover</translation>
    </message>
    <message>
        <source>Move cancelled</source>
        <translation>Traslado cancelado</translation>
    </message>
    <message>
        <source>Delete Complete</source>
        <translation>Eliminación completada</translation>
    </message>
    <message>
        <source>Delete cancelled</source>
        <translation>Eliminación cancelada</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>Deshacer completado</translation>
    </message>
    <message>
        <source>Undo cancelled</source>
        <translation>Deshacer cancelado</translation>
    </message>
    <message>
        <source>Cannot copy %1</source>
        <translation>No se puede copiar %1</translation>
    </message>
    <message>
        <source>Cannot move %1</source>
        <translation>No se puede mover %1</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>No se puede renombrar %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>No se pudo leer %Ln carpeta</numerusform>
            <numerusform>No se pudieron leer %Ln carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy cancelled after %1 of %2</source>
        <translation>Copia cancelada tras %1 de %2</translation>
    </message>
    <message>
        <source>Copied %1 of %2; %3 not copied</source>
        <translation>Copiados %1 de %2; %3 sin copiar</translation>
    </message>
    <message>
        <source>Move cancelled after %1 of %2</source>
        <translation>Traslado cancelado tras %1 de %2</translation>
    </message>
    <message>
        <source>Moved %1 of %2; %3 not moved</source>
        <translation>Movidos %1 de %2; %3 sin mover</translation>
    </message>
    <message>
        <source>Undo Move of %1</source>
        <translation>Deshacer el traslado de %1</translation>
    </message>
    <message>
        <source>Delete cancelled after %1 of %2</source>
        <translation>Eliminación cancelada tras %1 de %2</translation>
    </message>
    <message>
        <source>Deleted %1 of %2; %3 not deleted</source>
        <translation>Eliminados %1 de %2; %3 sin eliminar</translation>
    </message>
    <message>
        <source>Undo Delete of %1</source>
        <translation>Deshacer la eliminación de %1</translation>
    </message>
    <message>
        <source>Undo Rename of %1</source>
        <translation>Deshacer el cambio de nombre de %1</translation>
    </message>
    <message>
        <source>Undo cancelled after %1 of %2</source>
        <translation>Deshacer cancelado tras %1 de %2</translation>
    </message>
    <message>
        <source>Undone %1 of %2; %3 not undone</source>
        <translation>Deshechos %1 de %2; %3 sin deshacer</translation>
    </message>
    <message>
        <source>The folder list changed since %1 was removed: where it stood is no longer known, so it was not put back.</source>
        <translation>La lista de carpetas ha cambiado desde que se quitó %1: ya no se sabe dónde estaba, así que no se ha devuelto.</translation>
    </message>
    <message>
        <source>%1 has no user tag “%2” any more.</source>
        <translation>%1 ya no tiene la etiqueta propia «%2».</translation>
    </message>
    <message>
        <source>The user tags of %1 changed since, so they were left as they are.</source>
        <translation>Las etiquetas propias de %1 han cambiado desde entonces, así que se dejan como están.</translation>
    </message>
    <message>
        <source>Undo Remove Folder</source>
        <translation>Deshacer quitar la carpeta</translation>
    </message>
    <message>
        <source>Undo Remove Tag “%1”</source>
        <translation>Deshacer quitar la etiqueta «%1»</translation>
    </message>
    <message>
        <source>Undo Rename Tag “%1”</source>
        <translation>Deshacer el cambio de nombre de la etiqueta «%1»</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: it would be read as two tags.</source>
        <translation>Una etiqueta no puede contener una coma: se leería como dos etiquetas.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2 could not be started</source>
        <translation>No se puede abrir «%1»: no se ha podido iniciar %2</translation>
    </message>
    <message numerus="yes">
        <source>Cannot open %n file(s): %1 could not be started</source>
        <translation>
            <numerusform>No se puede abrir %n archivo: no se ha podido iniciar %1</numerusform>
            <numerusform>No se pueden abrir %n archivos: no se ha podido iniciar %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Abrir con</translation>
    </message>
    <message>
        <source>Choose the program to open the files with:</source>
        <translation>Elija el programa con el que abrir los archivos:</translation>
    </message>
    <message>
        <source>Add Tag to Names</source>
        <translation>Añadir etiqueta a los nombres</translation>
    </message>
    <message>
        <source>Tag to write into the names of the selected files:</source>
        <translation>Etiqueta que se escribirá en los nombres de los archivos seleccionados:</translation>
    </message>
    <message>
        <source>New word for “%1” in the names of the listed files:</source>
        <translation>Nueva palabra para «%1» en los nombres de los archivos mostrados:</translation>
    </message>
    <message>
        <source>Rename Tag in Names</source>
        <translation>Renombrar etiqueta en los nombres</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>No file name changes</source>
        <translation>Ningún nombre de archivo cambia</translation>
    </message>
    <message numerus="yes">
        <source>Rename %n file(s)?</source>
        <translation>
            <numerusform>¿Renombrar %n archivo?</numerusform>
            <numerusform>¿Renombrar %n archivos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename cancelled after %1 of %2</source>
        <translation>Cambio de nombre cancelado tras %1 de %2</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message>
        <source>Renamed %1 of %2; %3 not renamed</source>
        <translation>Renombrados %1 de %2; %3 sin renombrar</translation>
    </message>
    <message>
        <source>No file to rename</source>
        <translation>Ningún archivo que renombrar</translation>
    </message>
    <message>
        <source>Rename cancelled</source>
        <translation>Cambio de nombre cancelado</translation>
    </message>
    <message numerus="yes">
        <source>Renaming %n file(s)</source>
        <translation>
            <numerusform>Renombrando %n archivo</numerusform>
            <numerusform>Renombrando %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>These files were not renamed:</source>
        <translation>Estos archivos no se han renombrado:</translation>
    </message>
    <message>
        <source>Add a folder with +</source>
        <translation>Añada una carpeta con +</translation>
    </message>
    <message>
        <source>Add a folder to the list</source>
        <translation>Añadir una carpeta a la lista</translation>
    </message>
    <message>
        <source>Take the selected folder off the list; its files stay</source>
        <translation>Quitar la carpeta seleccionada de la lista; sus archivos se quedan</translation>
    </message>
    <message>
        <source>Attach a tag of your own to the selected folder</source>
        <translation>Asignar una etiqueta propia a la carpeta seleccionada</translation>
    </message>
    <message>
        <source>Open the selected files with their programs (%1)</source>
        <translation>Abrir los archivos seleccionados con sus programas (%1)</translation>
    </message>
    <message>
        <source>Copy the selected files to a folder you choose</source>
        <translation>Copiar los archivos seleccionados a una carpeta que elija</translation>
    </message>
    <message>
        <source>Move the selected files to a folder you choose</source>
        <translation>Mover los archivos seleccionados a una carpeta que elija</translation>
    </message>
    <message>
        <source>Rename the selected files one by one (%1)</source>
        <translation>Renombrar los archivos seleccionados uno a uno (%1)</translation>
    </message>
    <message>
        <source>Move the selected files to the trash (%1)</source>
        <translation>Mover los archivos seleccionados a la papelera (%1)</translation>
    </message>
    <message>
        <source>Select every listed file, or none (%1 in the list)</source>
        <translation>Seleccionar todos los archivos mostrados, o ninguno (%1 en la lista)</translation>
    </message>
    <message>
        <source>Show the tags cut from the file names</source>
        <translation>Mostrar las etiquetas sacadas de los nombres de archivo</translation>
    </message>
    <message>
        <source>List the files whose names hold every tag of the filter</source>
        <translation>Mostrar los archivos cuyos nombres contienen todas las etiquetas del filtro</translation>
    </message>
    <message>
        <source>List the files whose names hold any tag of the filter</source>
        <translation>Mostrar los archivos cuyos nombres contienen alguna etiqueta del filtro</translation>
    </message>
    <message>
        <source>Other Application…</source>
        <translation>Otra aplicación…</translation>
    </message>
    <message>
        <source>Add Tag to Names…</source>
        <translation>Añadir etiqueta a los nombres…</translation>
    </message>
</context>
<context>
    <name>velmora::mainwindow::Form1</name>
    <message>
        <source>Remove Tag from Names…</source>
        <translation>Quitar etiqueta de los nombres…</translation>
    </message>
    <message>
        <source>Rename Tag in Names…</source>
        <translation>Renombrar etiqueta en los nombres…</translation>
    </message>
    <message>
        <source>Rename Tag…</source>
        <translation>Renombrar etiqueta…</translation>
    </message>
    <message>
        <source>New name of the tag “%1”:</source>
        <translation>Nuevo nombre de la etiqueta «%1»:</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>Renombrar etiqueta</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Quitar etiqueta</translation>
    </message>
</context>
</TS>
