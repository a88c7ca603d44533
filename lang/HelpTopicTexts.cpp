// HelpTopicTexts.cpp - the help topics as written for each language (UTF-8)
//
// Language order in every set: "", English, French, German, Italian, Spanish,
// Romanian. Words in braces are filled in from the main window's own tables
// when a topic is shown: {AddFile}, {DeleteFile}, {ClearList}, {Recover},
// {Options}, {ContextRecover}, {ContextDelete}, {ContextRemove} (menu items),
// {SizeKB}, {Date}, {Time} (list columns) and {LanguageItems} (the Options
// menu's language names). The button names Open, Extract, Options, Help,
// Delete and Empty List are the words on the buttons, the same in every
// language.
#include "lang/HelpTopicTexts.h"

const TextSet kHelpCaption = {
    "",
    "Velmo Image Recovery - Help",
    "Velmo Image Recovery - Aide",
    "Velmo Image Recovery - Hilfe",
    "Velmo Image Recovery - Guida",
    "Velmo Image Recovery - Ayuda",
    "Velmo Image Recovery - Ajutor",
};

const TextSet kHelpSearchLabel = {
    "", "&Search:", "&Rechercher :", "S&uchen:", "&Cerca:", "&Buscar:", "&Căutare:",
};

const TextSet kHelpClose = {
    "", "&Close", "&Fermer", "&Schließen", "C&hiudi", "&Cerrar", "Î&nchide",
};

const TextSet kHelpNothingFound = {
    "",
    "No topic contains all of these words.",
    "Aucune rubrique ne contient tous ces mots.",
    "Kein Thema enthält alle diese Wörter.",
    "Nessun argomento contiene tutte queste parole.",
    "Ningún tema contiene todas estas palabras.",
    "Niciun subiect nu conține toate aceste cuvinte.",
};

const std::array<HelpTopicWriting, kHelpTopicCount> kHelpTopicWritings =
    {
        {
            // ---------------------------------------------------------------------------
            {
                // HELP_GETTING_STARTED
                {"", "Getting started", "Pour commencer", "Erste Schritte", "Per iniziare",
                 "Primeros pasos", "Primii pași"},
                {"",
                 R"(Velmo Image Recovery takes the pictures out of your documents and saves each one as a picture file of its own. It reads Word documents (.doc) and the common office formats as well: docx, xlsx, pptx, odt, ods, odp, rtf and xls.

1. Press Open and choose a document, or drag documents onto the list.
2. Click the document in the list to select it.
3. Press Extract.

The pictures are saved in a new folder named after the document, and a message tells you how many were found and where they are. Options starts the configuration program, where you choose where the pictures go; Help opens this window.)",
                 R"(Velmo Image Recovery extrait les images de vos documents et enregistre chacune dans un fichier d'image distinct. Il lit les documents Word (.doc) ainsi que les formats bureautiques courants : docx, xlsx, pptx, odt, ods, odp, rtf et xls.

1. Cliquez sur Open et choisissez un document, ou faites glisser des documents sur la liste.
2. Cliquez sur le document dans la liste pour le sélectionner.
3. Cliquez sur Extract.

Les images sont enregistrées dans un nouveau dossier qui porte le nom du document, et un message indique combien ont été trouvées et où elles se trouvent. Options lance le programme de configuration, où vous choisissez la destination des images ; Help ouvre cette fenêtre.)",
                 R"(Velmo Image Recovery holt die Bilder aus Ihren Dokumenten und speichert jedes als eigene Bilddatei. Es liest Word-Dokumente (.doc) und auch die gängigen Office-Formate: docx, xlsx, pptx, odt, ods, odp, rtf und xls.

1. Klicken Sie auf Open und wählen Sie ein Dokument, oder ziehen Sie Dokumente auf die Liste.
2. Klicken Sie das Dokument in der Liste an, um es auszuwählen.
3. Klicken Sie auf Extract.

Die Bilder landen in einem neuen Ordner, der nach dem Dokument benannt ist, und eine Meldung sagt Ihnen, wie viele gefunden wurden und wo sie liegen. Options startet das Einstellungsprogramm, in dem Sie festlegen, wohin die Bilder kommen; Help öffnet dieses Fenster.)",
                 R"(Velmo Image Recovery estrae le immagini dai tuoi documenti e salva ciascuna in un file immagine a sé. Legge i documenti Word (.doc) e anche i formati per ufficio più diffusi: docx, xlsx, pptx, odt, ods, odp, rtf e xls.

1. Premi Open e scegli un documento, oppure trascina i documenti sull'elenco.
2. Fai clic sul documento nell'elenco per selezionarlo.
3. Premi Extract.

Le immagini vengono salvate in una nuova cartella che prende il nome dal documento, e un messaggio ti dice quante ne sono state trovate e dove si trovano. Options avvia il programma di configurazione, dove scegli dove salvare le immagini; Help apre questa finestra.)",
                 R"(Velmo Image Recovery saca las imágenes de sus documentos y guarda cada una en un archivo de imagen propio. Lee documentos de Word (.doc) y también los formatos de oficina más habituales: docx, xlsx, pptx, odt, ods, odp, rtf y xls.

1. Pulse Open y elija un documento, o arrastre documentos a la lista.
2. Haga clic en el documento de la lista para seleccionarlo.
3. Pulse Extract.

Las imágenes se guardan en una carpeta nueva con el nombre del documento, y un mensaje le indica cuántas se han encontrado y dónde están. Options abre el programa de configuración, donde elige adónde van las imágenes; Help abre esta ventana.)",
                 R"(Velmo Image Recovery scoate imaginile din documentele dumneavoastră și salvează fiecare imagine într-un fișier separat. Citește documente Word (.doc) și, de asemenea, formatele de birou obișnuite: docx, xlsx, pptx, odt, ods, odp, rtf și xls.

1. Apăsați Open și alegeți un document sau trageți documente în listă.
2. Faceți clic pe document în listă pentru a-l selecta.
3. Apăsați Extract.

Imaginile sunt salvate într-un dosar nou care poartă numele documentului, iar un mesaj vă spune câte au fost găsite și unde se află. Options pornește programul de configurare, în care alegeți unde ajung imaginile; Help deschide această fereastră.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_ADDING_DOCUMENTS
                {"", "Adding documents", "Ajouter des documents", "Dokumente hinzufügen",
                 "Aggiungere documenti", "Añadir documentos", "Adăugarea documentelor"},
                {"",
                 R"(Open, or "{AddFile}" in the File menu, shows a window for choosing a document; the document you choose goes to the top of the list.

You can also drag documents from Explorer or the desktop and drop them onto the list, several at once. A shortcut to a document is replaced by the document it points to. Folders are refused: drop the documents themselves. A document that is already in the list is not added a second time.

For each document the list shows its full path, its size in kilobytes ({SizeKB}) and the date ({Date}) and time ({Time}) it was last changed.

Empty List, or "{ClearList}" in the File menu, empties the list, and "{ContextRemove}" in the list's context menu (right-click a document) takes out only the selected row. Neither touches the files on the disk.)",
                 R"(Open, ou « {AddFile} » dans le menu Fichier, affiche une fenêtre où choisir un document ; le document choisi s'ajoute en tête de liste.

Vous pouvez aussi faire glisser des documents depuis l'Explorateur ou le Bureau et les déposer sur la liste, plusieurs à la fois. Un raccourci vers un document est remplacé par le document qu'il désigne. Les dossiers sont refusés : déposez les documents eux-mêmes. Un document déjà présent dans la liste n'y est pas ajouté une seconde fois.

Pour chaque document, la liste affiche son chemin complet, sa taille en kilo-octets ({SizeKB}) ainsi que la date ({Date}) et l'heure ({Time}) de sa dernière modification.

Empty List, ou « {ClearList} » dans le menu Fichier, vide la liste, et « {ContextRemove} » dans le menu contextuel de la liste (clic droit sur un document) n'en retire que la ligne sélectionnée. Aucun des deux ne touche aux fichiers sur le disque.)",
                 R"(Open oder „{AddFile}“ im Menü Datei öffnet ein Fenster, in dem Sie ein Dokument auswählen; das gewählte Dokument erscheint oben in der Liste.

Sie können Dokumente auch aus dem Explorer oder vom Desktop auf die Liste ziehen, auch mehrere auf einmal. Eine Verknüpfung wird durch das Dokument ersetzt, auf das sie zeigt. Ordner werden abgelehnt: Ziehen Sie die Dokumente selbst auf die Liste. Ein Dokument, das schon in der Liste steht, wird kein zweites Mal aufgenommen.

Zu jedem Dokument zeigt die Liste den vollständigen Pfad, die Größe in Kilobyte ({SizeKB}) sowie Datum ({Date}) und Uhrzeit ({Time}) der letzten Änderung.

Empty List oder „{ClearList}“ im Menü Datei leert die Liste, „{ContextRemove}“ im Kontextmenü der Liste (Rechtsklick auf ein Dokument) entfernt nur die ausgewählte Zeile. Die Dateien auf der Festplatte bleiben dabei unberührt.)",
                 R"(Open, oppure «{AddFile}» nel menu File, apre una finestra in cui scegliere un documento; il documento scelto compare in cima all'elenco.

Puoi anche trascinare i documenti da Esplora risorse o dal desktop e rilasciarli sull'elenco, anche più di uno alla volta. Un collegamento viene sostituito dal documento a cui punta. Le cartelle vengono rifiutate: trascina i documenti veri e propri. Un documento già presente nell'elenco non viene aggiunto una seconda volta.

Per ogni documento l'elenco mostra il percorso completo, la dimensione in kilobyte ({SizeKB}) e la data ({Date}) e l'ora ({Time}) dell'ultima modifica.

Empty List, oppure «{ClearList}» nel menu File, svuota l'elenco, mentre «{ContextRemove}» nel menu contestuale dell'elenco (clic destro su un documento) toglie solo la riga selezionata. Nessuno dei due tocca i file sul disco.)",
                 R"(Open, o «{AddFile}» en el menú Archivo, muestra una ventana para elegir un documento; el documento elegido aparece el primero de la lista.

También puede arrastrar documentos desde el Explorador o el escritorio y soltarlos sobre la lista, varios a la vez. Un acceso directo se sustituye por el documento al que apunta. Las carpetas se rechazan: suelte los documentos en sí. Un documento que ya está en la lista no se añade por segunda vez.

Para cada documento la lista muestra su ruta completa, su tamaño en kilobytes ({SizeKB}) y la fecha ({Date}) y la hora ({Time}) de su última modificación.

Empty List, o «{ClearList}» en el menú Archivo, vacía la lista, y «{ContextRemove}» en el menú contextual de la lista (clic derecho sobre un documento) quita solo la fila seleccionada. Ninguno de los dos toca los archivos del disco.)",
                 R"(Open sau „{AddFile}” din meniul Fisier deschide o fereastră în care alegeți un document; documentul ales apare primul în listă.

Puteți și să trageți documente din Explorer sau de pe desktop și să le lăsați în listă, chiar mai multe deodată. O scurtătură este înlocuită cu documentul spre care duce. Dosarele sunt refuzate: trageți documentele propriu-zise. Un document care se află deja în listă nu este adăugat a doua oară.

Pentru fiecare document, lista arată calea completă, mărimea în kiloocteți ({SizeKB}), precum și data ({Date}) și ora ({Time}) ultimei modificări.

Empty List sau „{ClearList}” din meniul Fisier golește lista, iar „{ContextRemove}” din meniul contextual al listei (clic dreapta pe un document) scoate doar rândul selectat. Niciuna dintre ele nu atinge fișierele de pe disc.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_RECOVERING
                {"", "Recovering pictures", "Récupérer les images", "Bilder wiederherstellen",
                 "Recuperare le immagini", "Recuperar las imágenes", "Recuperarea imaginilor"},
                {"",
                 R"(Select a document in the list, then press Extract, choose "{Recover}" in the File menu, or right-click the document and choose "{ContextRecover}". All three do the same.

The program reads the whole document and saves every picture it finds in it, wherever it lies in the file: JPEG, PNG, GIF, BMP, TIFF, EMF, WMF, PICT, WDP (HD Photo) and SVG pictures.

A large document can take a while. After half a second a progress bar above the list shows how far the recovery is; the other commands wait until it ends. To stop it, press Esc or close the window and answer Yes: the picture being saved is completed, and every picture saved so far is kept.

At the end a message says how many pictures were saved and in which folder, or that none was found. If no document is selected you are told so, and nothing else happens. Before it starts, the program checks that the drive of the output folder has room for at least the document's size; if not, it stops with a message and writes nothing.)",
                 R"(Sélectionnez un document dans la liste, puis cliquez sur Extract, choisissez « {Recover} » dans le menu Fichier, ou faites un clic droit sur le document et choisissez « {ContextRecover} ». Les trois font la même chose.

Le programme lit tout le document et enregistre chaque image qu'il y trouve, où qu'elle se trouve dans le fichier : images JPEG, PNG, GIF, BMP, TIFF, EMF, WMF, PICT, WDP (HD Photo) et SVG.

Un gros document peut demander un moment. Au bout d'une demi-seconde, une barre de progression au-dessus de la liste indique où en est la récupération ; les autres commandes attendent qu'elle soit terminée. Pour l'arrêter, appuyez sur Échap ou fermez la fenêtre et répondez Oui : l'image en cours d'enregistrement est terminée, et toutes les images déjà enregistrées sont conservées.

À la fin, un message indique combien d'images ont été enregistrées et dans quel dossier, ou qu'aucune n'a été trouvée. Si aucun document n'est sélectionné, un message vous le signale et rien d'autre ne se passe. Avant de commencer, le programme vérifie que le lecteur du dossier de sortie a au moins la taille du document en espace libre ; sinon, il s'arrête avec un message sans rien écrire.)",
                 R"(Wählen Sie ein Dokument in der Liste aus und klicken Sie dann auf Extract, wählen Sie „{Recover}“ im Menü Datei, oder klicken Sie mit der rechten Maustaste auf das Dokument und wählen Sie „{ContextRecover}“. Alle drei Wege führen zum selben Ergebnis.

Das Programm liest das ganze Dokument und speichert jedes Bild, das es darin findet, ganz gleich, wo es in der Datei steht: JPEG-, PNG-, GIF-, BMP-, TIFF-, EMF-, WMF-, PICT-, WDP- (HD Photo) und SVG-Bilder.

Ein großes Dokument kann eine Weile dauern. Nach einer halben Sekunde zeigt ein Fortschrittsbalken über der Liste, wie weit die Wiederherstellung ist; die übrigen Befehle warten, bis sie fertig ist. Zum Abbrechen drücken Sie Esc oder schließen das Fenster und antworten mit Ja: Das Bild, das gerade gespeichert wird, wird noch fertig geschrieben, und alle bis dahin gespeicherten Bilder bleiben erhalten.

Zum Schluss meldet es, wie viele Bilder in welchem Ordner gespeichert wurden oder dass keines gefunden wurde. Ist kein Dokument ausgewählt, erhalten Sie einen Hinweis, und sonst geschieht nichts. Vor dem Start prüft das Programm, ob auf dem Laufwerk des Ausgabeordners mindestens so viel Platz frei ist, wie das Dokument groß ist; andernfalls bricht es mit einer Meldung ab, ohne etwas zu schreiben.)",
                 R"(Seleziona un documento nell'elenco, poi premi Extract, scegli «{Recover}» nel menu File, oppure fai clic destro sul documento e scegli «{ContextRecover}». Tutti e tre fanno la stessa cosa.

Il programma legge l'intero documento e salva ogni immagine che vi trova, in qualunque punto del file si trovi: immagini JPEG, PNG, GIF, BMP, TIFF, EMF, WMF, PICT, WDP (HD Photo) e SVG.

Un documento grande può richiedere un po' di tempo. Dopo mezzo secondo una barra di avanzamento sopra l'elenco mostra a che punto è il recupero; gli altri comandi attendono che sia finito. Per interromperlo, premi Esc o chiudi la finestra e rispondi Sì: l'immagine che sta salvando viene completata, e tutte quelle già salvate vengono conservate.

Alla fine un messaggio indica quante immagini sono state salvate e in quale cartella, oppure che non ne è stata trovata nessuna. Se nessun documento è selezionato, te lo segnala e non succede nient'altro. Prima di iniziare, il programma controlla che l'unità della cartella di destinazione abbia almeno tanto spazio libero quanto è grande il documento; altrimenti si ferma con un messaggio senza scrivere nulla.)",
                 R"(Seleccione un documento de la lista y pulse Extract, elija «{Recover}» en el menú Archivo o haga clic derecho sobre el documento y elija «{ContextRecover}». Las tres opciones hacen lo mismo.

El programa lee todo el documento y guarda cada imagen que encuentra en él, esté donde esté dentro del archivo: imágenes JPEG, PNG, GIF, BMP, TIFF, EMF, WMF, PICT, WDP (HD Photo) y SVG.

Un documento grande puede tardar un rato. Al cabo de medio segundo, una barra de progreso encima de la lista muestra por dónde va la recuperación; las demás órdenes esperan a que termine. Para detenerla, pulse Esc o cierre la ventana y responda Sí: la imagen que se está guardando se completa, y se conservan todas las imágenes ya guardadas.

Al terminar, un mensaje indica cuántas imágenes se han guardado y en qué carpeta, o que no se ha encontrado ninguna. Si no hay ningún documento seleccionado, se le avisa y no ocurre nada más. Antes de empezar, el programa comprueba que la unidad de la carpeta de salida tenga libre al menos el tamaño del documento; si no, se detiene con un mensaje sin escribir nada.)",
                 R"(Selectați un document din listă, apoi apăsați Extract, alegeți „{Recover}” din meniul Fisier sau faceți clic dreapta pe document și alegeți „{ContextRecover}”. Toate trei fac același lucru.

Programul citește tot documentul și salvează fiecare imagine pe care o găsește în el, oriunde s-ar afla în fișier: imagini JPEG, PNG, GIF, BMP, TIFF, EMF, WMF, PICT, WDP (HD Photo) și SVG.

Un document mare poate dura o vreme. După o jumătate de secundă, o bară de progres deasupra listei arată cât a avansat recuperarea; celelalte comenzi așteaptă până se termină. Pentru a o opri, apăsați Esc sau închideți fereastra și răspundeți Da: imaginea care se salvează este terminată, iar toate imaginile salvate până atunci se păstrează.

La sfârșit, un mesaj vă spune câte imagini au fost salvate și în ce dosar sau că nu s-a găsit niciuna. Dacă nu este selectat niciun document, sunteți anunțat și nu se întâmplă nimic altceva. Înainte să înceapă, programul verifică dacă unitatea dosarului de ieșire are liber cel puțin cât are documentul; dacă nu, se oprește cu un mesaj, fără să scrie nimic.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_WHERE_PICTURES_GO
                {"", "Where the pictures go", "Où vont les images", "Wohin die Bilder kommen",
                 "Dove finiscono le immagini", "Adónde van las imágenes", "Unde ajung imaginile"},
                {"",
                 R"(The pictures of a document go to a new folder named after the document: its name up to the first dot, followed by the folder suffix (REC unless you change it). Where that folder is made depends on the output folder set in the configuration program:

- No output folder (the default): the folder is made in the main window's current folder, which is the folder of the last document you added with Open. Report.doc opened from C:\Work gives C:\Work\ReportREC; with an empty suffix it gives C:\Work\Report.
- An output folder such as D:\Pictures\: the folder is made inside it, D:\Pictures\ReportREC. With an empty suffix REC is still added there.

Documents dropped onto the list do not change the current folder, so their pictures go to the folder of the last document opened with Open, or to the folder the program was started in.

Inside the folder the pictures are numbered in the order they are found, each file-name ending counting on its own: JPEG pictures are saved as 1.jpg, 2.jpg, 3.jpg and so on, PNG pictures as 1.gif, 2.gif and so on, GIF pictures with .gif too, BMP pictures with .bmp, TIFF with .tif, EMF with .emf, WMF with .wmf, PICT with .pct, WDP (HD Photo) with .wdp and SVG with .svg.

PNG pictures carry the .gif ending because that is the name users of the program have always found them under; the file holds the PNG's own bytes, unchanged, and picture viewers open it all the same. GIF pictures share those numbers: a PNG, then a GIF, then another PNG give 1.gif, 2.gif and 3.gif.

A second recovery of the same document into the same folder stops at the first picture, because its file is already there: remove or rename the old folder first, or change the suffix or the output folder.)",
                 R"(Les images d'un document vont dans un nouveau dossier qui porte le nom du document : son nom jusqu'au premier point, suivi du suffixe de dossier (REC, sauf si vous le changez). L'emplacement de ce dossier dépend du dossier de sortie choisi dans le programme de configuration :

- Pas de dossier de sortie (par défaut) : le dossier est créé dans le dossier courant de la fenêtre principale, c'est-à-dire celui du dernier document ajouté avec Open. Report.doc ouvert depuis C:\Work donne C:\Work\ReportREC ; avec un suffixe vide, C:\Work\Report.
- Un dossier de sortie comme D:\Pictures\ : le dossier est créé à l'intérieur, D:\Pictures\ReportREC. Avec un suffixe vide, REC est tout de même ajouté.

Les documents déposés sur la liste ne changent pas le dossier courant : leurs images vont donc dans le dossier du dernier document ouvert avec Open, ou dans le dossier depuis lequel le programme a été lancé.

Dans le dossier, les images sont numérotées dans l'ordre où elles sont trouvées, chaque extension de nom de fichier ayant sa propre numérotation : les images JPEG sont enregistrées sous 1.jpg, 2.jpg, 3.jpg, etc., les images PNG sous 1.gif, 2.gif, etc., les images GIF elles aussi en .gif, les images BMP en .bmp, TIFF en .tif, EMF en .emf, WMF en .wmf, PICT en .pct, WDP (HD Photo) en .wdp et SVG en .svg.

Les images PNG portent l'extension .gif parce que c'est sous ce nom que les utilisateurs du programme les ont toujours trouvées ; le fichier contient les octets du PNG lui-même, sans aucune modification, et les visionneuses d'images l'ouvrent quand même. Les images GIF partagent cette numérotation : une image PNG, puis une image GIF, puis une autre image PNG donnent 1.gif, 2.gif et 3.gif.

Une deuxième récupération du même document dans le même dossier s'arrête dès la première image, car son fichier existe déjà : supprimez ou renommez d'abord l'ancien dossier, ou changez le suffixe ou le dossier de sortie.)",
                 R"(Die Bilder eines Dokuments kommen in einen neuen Ordner, der nach dem Dokument benannt ist: sein Name bis zum ersten Punkt, gefolgt von der Ordnerendung (REC, solange Sie sie nicht ändern). Wo dieser Ordner angelegt wird, hängt vom Ausgabeordner im Einstellungsprogramm ab:

- Kein Ausgabeordner (Standard): Der Ordner entsteht im aktuellen Ordner des Hauptfensters, also im Ordner des Dokuments, das Sie zuletzt mit Open hinzugefügt haben. Report.doc aus C:\Work ergibt C:\Work\ReportREC, mit leerer Endung C:\Work\Report.
- Ein Ausgabeordner wie D:\Pictures\: Der Ordner entsteht darin, also D:\Pictures\ReportREC. Mit leerer Endung wird dort trotzdem REC angehängt.

Auf die Liste gezogene Dokumente ändern den aktuellen Ordner nicht; ihre Bilder landen also im Ordner des zuletzt mit Open geöffneten Dokuments oder in dem Ordner, aus dem das Programm gestartet wurde.

Im Ordner werden die Bilder in der Reihenfolge nummeriert, in der sie gefunden werden, jede Dateiendung für sich: JPEG-Bilder heißen 1.jpg, 2.jpg, 3.jpg usw., PNG-Bilder 1.gif, 2.gif usw., GIF-Bilder ebenfalls .gif, BMP-Bilder .bmp, TIFF-Bilder .tif, EMF-Bilder .emf, WMF-Bilder .wmf, PICT-Bilder .pct, WDP-Bilder (HD Photo) .wdp und SVG-Bilder .svg.

PNG-Bilder tragen die Endung .gif, weil die Benutzer des Programms sie schon immer unter diesem Namen gefunden haben; die Datei enthält die unveränderten Bytes des PNG-Bildes, und Bildbetrachter öffnen sie trotzdem. GIF-Bilder teilen sich diese Nummern: ein PNG-Bild, dann ein GIF-Bild, dann noch ein PNG-Bild ergeben 1.gif, 2.gif und 3.gif.

Eine zweite Wiederherstellung desselben Dokuments in denselben Ordner bricht beim ersten Bild ab, weil dessen Datei schon existiert: Löschen oder benennen Sie zuerst den alten Ordner um, oder ändern Sie die Endung oder den Ausgabeordner.)",
                 R"(Le immagini di un documento finiscono in una nuova cartella che prende il nome dal documento: il nome fino al primo punto, seguito dal suffisso della cartella (REC, se non lo cambi). Dove viene creata questa cartella dipende dalla cartella di destinazione scelta nel programma di configurazione:

- Nessuna cartella di destinazione (impostazione predefinita): la cartella viene creata nella cartella corrente della finestra principale, cioè quella dell'ultimo documento aggiunto con Open. Report.doc aperto da C:\Work dà C:\Work\ReportREC; con il suffisso vuoto, C:\Work\Report.
- Una cartella di destinazione come D:\Pictures\: la cartella viene creata al suo interno, D:\Pictures\ReportREC. Con il suffisso vuoto, qui viene comunque aggiunto REC.

I documenti trascinati sull'elenco non cambiano la cartella corrente, quindi le loro immagini vanno nella cartella dell'ultimo documento aperto con Open, oppure in quella da cui è stato avviato il programma.

Nella cartella le immagini sono numerate nell'ordine in cui vengono trovate, ogni estensione con la sua numerazione: le immagini JPEG vengono salvate come 1.jpg, 2.jpg, 3.jpg e così via, le PNG come 1.gif, 2.gif e così via, le GIF anch'esse con .gif, le BMP con .bmp, le TIFF con .tif, le EMF con .emf, le WMF con .wmf, le PICT con .pct, le WDP (HD Photo) con .wdp e le SVG con .svg.

Le immagini PNG hanno l'estensione .gif perché è con questo nome che gli utenti del programma le hanno sempre trovate; il file contiene i byte originali del PNG, senza alcuna modifica, e i visualizzatori di immagini lo aprono comunque. Le immagini GIF condividono questa numerazione: un'immagine PNG, poi una GIF, poi un'altra PNG danno 1.gif, 2.gif e 3.gif.

Un secondo recupero dello stesso documento nella stessa cartella si ferma alla prima immagine, perché il suo file esiste già: elimina o rinomina prima la vecchia cartella, oppure cambia il suffisso o la cartella di destinazione.)",
                 R"(Las imágenes de un documento van a una carpeta nueva con el nombre del documento: su nombre hasta el primer punto, seguido del sufijo de carpeta (REC, salvo que lo cambie). El lugar donde se crea esa carpeta depende de la carpeta de salida elegida en el programa de configuración:

- Sin carpeta de salida (lo predeterminado): la carpeta se crea en la carpeta actual de la ventana principal, es decir, la del último documento añadido con Open. Report.doc abierto desde C:\Work da C:\Work\ReportREC; con el sufijo vacío, C:\Work\Report.
- Una carpeta de salida como D:\Pictures\: la carpeta se crea dentro de ella, D:\Pictures\ReportREC. Con el sufijo vacío se añade REC de todos modos.

Los documentos soltados sobre la lista no cambian la carpeta actual, así que sus imágenes van a la carpeta del último documento abierto con Open o a la carpeta desde la que se inició el programa.

Dentro de la carpeta, las imágenes se numeran en el orden en que se encuentran, cada extensión por su cuenta: las imágenes JPEG se guardan como 1.jpg, 2.jpg, 3.jpg, etc., las PNG como 1.gif, 2.gif, etc., las GIF también con .gif, las BMP con .bmp, las TIFF con .tif, las EMF con .emf, las WMF con .wmf, las PICT con .pct, las WDP (HD Photo) con .wdp y las SVG con .svg.

Las imágenes PNG llevan la extensión .gif porque es con ese nombre con el que los usuarios del programa las han encontrado siempre; el archivo contiene los bytes del propio PNG, sin ningún cambio, y los visores de imágenes lo abren igualmente. Las imágenes GIF comparten esa numeración: una imagen PNG, luego una GIF y luego otra PNG dan 1.gif, 2.gif y 3.gif.

Una segunda recuperación del mismo documento en la misma carpeta se detiene en la primera imagen, porque su archivo ya existe: elimine o cambie de nombre antes la carpeta antigua, o cambie el sufijo o la carpeta de salida.)",
                 R"(Imaginile unui document ajung într-un dosar nou care poartă numele documentului: numele lui până la primul punct, urmat de sufixul dosarului (REC, dacă nu îl schimbați). Locul în care se creează acest dosar depinde de dosarul de ieșire ales în programul de configurare:

- Fără dosar de ieșire (implicit): dosarul se creează în dosarul curent al ferestrei principale, adică dosarul ultimului document adăugat cu Open. Report.doc deschis din C:\Work dă C:\Work\ReportREC; cu sufixul gol, C:\Work\Report.
- Un dosar de ieșire precum D:\Pictures\: dosarul se creează în interiorul lui, D:\Pictures\ReportREC. Cu sufixul gol, aici se adaugă totuși REC.

Documentele trase în listă nu schimbă dosarul curent, așa că imaginile lor ajung în dosarul ultimului document deschis cu Open sau în dosarul din care a fost pornit programul.

În dosar, imaginile sunt numerotate în ordinea în care sunt găsite, fiecare extensie separat: imaginile JPEG sunt salvate ca 1.jpg, 2.jpg, 3.jpg și așa mai departe, cele PNG ca 1.gif, 2.gif și așa mai departe, cele GIF tot cu .gif, cele BMP cu .bmp, cele TIFF cu .tif, cele EMF cu .emf, cele WMF cu .wmf, cele PICT cu .pct, cele WDP (HD Photo) cu .wdp și cele SVG cu .svg.

Imaginile PNG poartă extensia .gif pentru că sub acest nume le-au găsit întotdeauna utilizatorii programului; fișierul conține chiar octeții PNG-ului, neschimbați, iar programele de vizualizare îl deschid oricum. Imaginile GIF împart aceeași numerotare: o imagine PNG, apoi una GIF, apoi încă una PNG dau 1.gif, 2.gif și 3.gif.

O a doua recuperare a aceluiași document în același dosar se oprește la prima imagine, pentru că fișierul ei există deja: ștergeți sau redenumiți mai întâi dosarul vechi ori schimbați sufixul sau dosarul de ieșire.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_MESSAGES: this introduction; each message follows it, word for word
                // as the main window shows it, with its explanation below.
                {"", "Messages", "Messages", "Meldungen", "Messaggi", "Mensajes", "Mesaje"},
                {"",
                 R"(These are the messages the main window can show, word for word, each with what it means and what to do. Where a message shows %s or %d, the window puts in a path or a number.)",
                 R"(Voici les messages que la fenêtre principale peut afficher, mot pour mot, chacun avec sa signification et ce qu'il faut faire. Là où un message contient %s ou %d, la fenêtre y place un chemin ou un nombre.)",
                 R"(Hier stehen die Meldungen, die das Hauptfenster anzeigen kann, Wort für Wort, jeweils mit ihrer Bedeutung und dem, was zu tun ist. Wo eine Meldung %s oder %d enthält, setzt das Fenster einen Pfad oder eine Zahl ein.)",
                 R"(Ecco i messaggi che la finestra principale può mostrare, parola per parola, ciascuno con il suo significato e con che cosa fare. Dove un messaggio contiene %s o %d, la finestra inserisce un percorso o un numero.)",
                 R"(Estos son los mensajes que puede mostrar la ventana principal, palabra por palabra, cada uno con lo que significa y lo que hay que hacer. Donde un mensaje contiene %s o %d, la ventana pone una ruta o un número.)",
                 R"(Acestea sunt mesajele pe care le poate afișa fereastra principală, cuvânt cu cuvânt, fiecare cu ce înseamnă și ce trebuie făcut. Acolo unde un mesaj conține %s sau %d, fereastra pune o cale sau un număr.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_DELETING
                {"", "Deleting documents", "Supprimer des documents", "Dokumente löschen",
                 "Eliminare i documenti", "Borrar documentos", "Ștergerea documentelor"},
                {"",
                 R"(Delete (the button above the list), "{DeleteFile}" in the File menu and "{ContextDelete}" in the list's context menu delete the selected document from the disk, not only from the list. You are asked twice, and the file is deleted only if you answer Yes both times. It does not go to the Recycle Bin. Its row then leaves the list.

After a recovery the program can also offer to delete the document the pictures came from. Switch this on in the configuration program: "After a recovery, offer to delete the document". The offer comes only when at least one picture was saved and the recovery was not stopped, again with two questions. The document's row stays in the list until you remove it.)",
                 R"(Delete (le bouton au-dessus de la liste), « {DeleteFile} » dans le menu Fichier et « {ContextDelete} » dans le menu contextuel de la liste suppriment le document sélectionné du disque, et pas seulement de la liste. La question vous est posée deux fois, et le fichier n'est supprimé que si vous répondez Oui les deux fois. Il ne passe pas par la Corbeille. Sa ligne quitte ensuite la liste.

Après une récupération, le programme peut aussi proposer de supprimer le document d'où viennent les images. Activez cette option dans le programme de configuration : « Après une récupération, proposer de supprimer le document ». La proposition n'apparaît que si au moins une image a été enregistrée et que la récupération n'a pas été interrompue, là encore avec deux questions. La ligne du document reste dans la liste jusqu'à ce que vous la retiriez.)",
                 R"(Delete (die Schaltfläche über der Liste), „{DeleteFile}“ im Menü Datei und „{ContextDelete}“ im Kontextmenü der Liste löschen das ausgewählte Dokument von der Festplatte, nicht nur aus der Liste. Sie werden zweimal gefragt, und die Datei wird nur gelöscht, wenn Sie beide Male mit Ja antworten. Sie landet nicht im Papierkorb. Ihre Zeile verschwindet danach aus der Liste.

Nach einer Wiederherstellung kann das Programm auch anbieten, das Dokument zu löschen, aus dem die Bilder stammen. Schalten Sie das im Einstellungsprogramm ein: „Nach einer Wiederherstellung anbieten, das Dokument zu löschen“. Das Angebot kommt nur, wenn mindestens ein Bild gespeichert wurde und die Wiederherstellung nicht abgebrochen ist, ebenfalls mit zwei Fragen. Die Zeile des Dokuments bleibt in der Liste, bis Sie sie entfernen.)",
                 R"(Delete (il pulsante sopra l'elenco), «{DeleteFile}» nel menu File e «{ContextDelete}» nel menu contestuale dell'elenco eliminano il documento selezionato dal disco, non solo dall'elenco. La domanda viene posta due volte e il file viene eliminato solo se rispondi Sì entrambe le volte. Non finisce nel Cestino. La sua riga poi sparisce dall'elenco.

Dopo un recupero il programma può anche proporre di eliminare il documento da cui provengono le immagini. Attiva questa opzione nel programma di configurazione: «Dopo un recupero, proponi di eliminare il documento». La proposta arriva solo se è stata salvata almeno un'immagine e il recupero non si è interrotto, anche qui con due domande. La riga del documento resta nell'elenco finché non la togli.)",
                 R"(Delete (el botón que hay encima de la lista), «{DeleteFile}» en el menú Archivo y «{ContextDelete}» en el menú contextual de la lista borran del disco el documento seleccionado, no solo de la lista. Se le pregunta dos veces, y el archivo solo se borra si responde Sí las dos veces. No va a la Papelera de reciclaje. Después, su fila desaparece de la lista.

Tras una recuperación, el programa también puede ofrecer borrar el documento del que salieron las imágenes. Active esta opción en el programa de configuración: «Después de una recuperación, ofrecer borrar el documento». La oferta solo aparece si se guardó al menos una imagen y la recuperación no se detuvo, también con dos preguntas. La fila del documento sigue en la lista hasta que la quite.)",
                 R"(Delete (butonul de deasupra listei), „{DeleteFile}” din meniul Fisier și „{ContextDelete}” din meniul contextual al listei șterg documentul selectat de pe disc, nu doar din listă. Sunteți întrebat de două ori, iar fișierul este șters numai dacă răspundeți Da de ambele dăți. Nu ajunge în Coșul de reciclare. Apoi rândul lui dispare din listă.

După o recuperare, programul poate propune și ștergerea documentului din care provin imaginile. Activați opțiunea în programul de configurare: „După o recuperare, propune ștergerea documentului”. Propunerea apare numai dacă s-a salvat cel puțin o imagine și recuperarea nu a fost întreruptă, tot cu două întrebări. Rândul documentului rămâne în listă până când îl scoateți.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_LANGUAGES
                {"", "Languages", "Langues", "Sprachen", "Lingue", "Idiomas", "Limbi"},
                {"",
                 R"(The program speaks six languages: English, French, German, Italian, Spanish and Romanian. Choose one in the Options menu, whose items are {LanguageItems}; the current one is ticked. Tooltips, menus, list columns and messages change at once, and the choice is kept for the next start.

You can also choose the language in the configuration program; the main window then takes it at its next start. This help and the configuration program follow the language saved in the settings, and show English when there are no usable settings.

A few texts are the same in every language: the window title, the words on the buttons and the language names in the Options menu.)",
                 R"(Le programme parle six langues : anglais, français, allemand, italien, espagnol et roumain. Choisissez-en une dans le menu Options, dont les éléments sont {LanguageItems} ; la langue en cours est cochée. Les info-bulles, les menus, les colonnes de la liste et les messages changent aussitôt, et le choix est conservé pour le prochain démarrage.

Vous pouvez aussi choisir la langue dans le programme de configuration ; la fenêtre principale l'adopte alors à son prochain démarrage. Cette aide et le programme de configuration suivent la langue enregistrée dans les paramètres, et s'affichent en anglais s'il n'y a pas de paramètres utilisables.

Quelques textes sont les mêmes dans toutes les langues : le titre de la fenêtre, les mots sur les boutons et les noms des langues dans le menu Options.)",
                 R"(Das Programm spricht sechs Sprachen: Englisch, Französisch, Deutsch, Italienisch, Spanisch und Rumänisch. Wählen Sie eine im Menü Optionen, dessen Einträge {LanguageItems} lauten; die aktuelle Sprache ist mit einem Häkchen markiert. Quickinfos, Menüs, Spaltenüberschriften und Meldungen wechseln sofort, und die Wahl bleibt für den nächsten Start erhalten.

Sie können die Sprache auch im Einstellungsprogramm wählen; das Hauptfenster übernimmt sie dann beim nächsten Start. Diese Hilfe und das Einstellungsprogramm richten sich nach der in den Einstellungen gespeicherten Sprache und zeigen Englisch, wenn keine brauchbaren Einstellungen vorhanden sind.

Einige Texte sind in allen Sprachen gleich: der Fenstertitel, die Wörter auf den Schaltflächen und die Sprachnamen im Menü Optionen.)",
                 R"(Il programma parla sei lingue: inglese, francese, tedesco, italiano, spagnolo e rumeno. Scegline una nel menu Opzioni, le cui voci sono {LanguageItems}; quella in uso è spuntata. Descrizioni dei comandi, menu, colonne dell'elenco e messaggi cambiano subito, e la scelta viene mantenuta per il prossimo avvio.

Puoi scegliere la lingua anche nel programma di configurazione; in questo caso la finestra principale la adotta al prossimo avvio. Questa guida e il programma di configurazione seguono la lingua salvata nelle impostazioni e usano l'inglese quando non ci sono impostazioni utilizzabili.

Alcuni testi sono uguali in tutte le lingue: il titolo della finestra, le parole sui pulsanti e i nomi delle lingue nel menu Opzioni.)",
                 R"(El programa habla seis idiomas: inglés, francés, alemán, italiano, español y rumano. Elija uno en el menú Opciones, cuyos elementos son {LanguageItems}; el idioma actual aparece marcado. La información sobre herramientas, los menús, las columnas de la lista y los mensajes cambian al instante, y la elección se conserva para el próximo inicio.

También puede elegir el idioma en el programa de configuración; la ventana principal lo adopta entonces en su próximo inicio. Esta ayuda y el programa de configuración siguen el idioma guardado en la configuración, y se muestran en inglés cuando no hay una configuración utilizable.

Algunos textos son iguales en todos los idiomas: el título de la ventana, las palabras de los botones y los nombres de los idiomas del menú Opciones.)",
                 R"(Programul vorbește șase limbi: engleză, franceză, germană, italiană, spaniolă și română. Alegeți una din meniul Optiuni, ale cărui elemente sunt {LanguageItems}; limba curentă este bifată. Sfaturile ecran, meniurile, coloanele listei și mesajele se schimbă imediat, iar alegerea se păstrează pentru următoarea pornire.

Puteți alege limba și din programul de configurare; fereastra principală o preia atunci la următoarea pornire. Acest ajutor și programul de configurare urmează limba salvată în setări și apar în engleză când nu există setări care pot fi folosite.

Câteva texte sunt aceleași în toate limbile: titlul ferestrei, cuvintele de pe butoane și numele limbilor din meniul Optiuni.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_CONFIGURATION
                {"", "The configuration program", "Le programme de configuration",
                 "Das Einstellungsprogramm", "Il programma di configurazione",
                 "El programa de configuración", "Programul de configurare"},
                {"",
                 R"(Options, the button or "{Options}" in the Options menu, starts the configuration program Pelloc.exe. In it you set:

- the folder for the recovered pictures, typed or picked with Browse. Left empty, the pictures go beside the document. A folder that does not exist yet can be created, together with the folders above it;
- the folder suffix, at most 3 characters, none of \ / : * ? " < > |, and not ending with a dot or a space;
- whether to offer to delete the document after a recovery;
- the language;
- the program folder, which holds Pelloc.exe and Gandry.exe: the Options and Help buttons look for them there, so OK asks before it saves a folder without them.

The line under the fields shows where the pictures of C:\Work\Report.doc would go. OK checks the fields and saves them, Cancel closes without saving, and Defaults fills in the default settings but keeps the language. The main window uses a new output folder, suffix and deletion offer at its next recovery, and a new language and program folder when it next starts.)",
                 R"(Options, le bouton ou « {Options} » dans le menu Options, lance le programme de configuration Pelloc.exe. Vous y réglez :

- le dossier des images récupérées, saisi ou choisi avec Parcourir. S'il reste vide, les images vont à côté du document. Un dossier qui n'existe pas encore peut être créé, avec les dossiers qui le contiennent ;
- le suffixe du dossier, 3 caractères au plus, sans \ / : * ? " < > | et sans point ni espace à la fin ;
- la proposition de supprimer le document après une récupération ;
- la langue ;
- le dossier du programme, qui contient Pelloc.exe et Gandry.exe : c'est là que les boutons Options et Help les cherchent ; OK demande donc confirmation avant d'enregistrer un dossier qui ne les contient pas.

La ligne sous les champs montre où iraient les images de C:\Work\Report.doc. OK vérifie les champs et les enregistre, Annuler ferme sans enregistrer, et Par défaut remplit les paramètres par défaut en gardant la langue. La fenêtre principale prend le nouveau dossier de sortie, le suffixe et la proposition de suppression à sa prochaine récupération, la nouvelle langue et le dossier du programme à son prochain démarrage.)",
                 R"(Options, die Schaltfläche oder „{Options}“ im Menü Optionen, startet das Einstellungsprogramm Pelloc.exe. Dort legen Sie fest:

- den Ordner für die wiederhergestellten Bilder, eingetippt oder mit Durchsuchen ausgewählt. Bleibt er leer, kommen die Bilder neben das Dokument. Ein Ordner, den es noch nicht gibt, kann samt den übergeordneten Ordnern angelegt werden;
- die Ordnerendung, höchstens 3 Zeichen, keines von \ / : * ? " < > | und ohne Punkt oder Leerzeichen am Ende;
- ob nach einer Wiederherstellung angeboten wird, das Dokument zu löschen;
- die Sprache;
- den Programmordner mit Pelloc.exe und Gandry.exe: Dort suchen die Schaltflächen Options und Help nach ihnen, deshalb fragt OK nach, bevor ein Ordner ohne sie gespeichert wird.

Die Zeile unter den Feldern zeigt, wohin die Bilder von C:\Work\Report.doc kämen. OK prüft die Felder und speichert sie, Abbrechen schließt ohne zu speichern, und Standard setzt die Standardeinstellungen ein, nur die Sprache bleibt. Das Hauptfenster übernimmt Ausgabeordner, Endung und Löschangebot bei der nächsten Wiederherstellung, Sprache und Programmordner beim nächsten Start.)",
                 R"(Options, il pulsante oppure «{Options}» nel menu Opzioni, avvia il programma di configurazione Pelloc.exe. Lì puoi impostare:

- la cartella per le immagini recuperate, digitata o scelta con Sfoglia. Se resta vuota, le immagini vanno accanto al documento. Una cartella che non esiste ancora può essere creata insieme alle cartelle che la contengono;
- il suffisso della cartella, al massimo 3 caratteri, nessuno tra \ / : * ? " < > | e senza punto o spazio finale;
- se proporre di eliminare il documento dopo un recupero;
- la lingua;
- la cartella del programma, che contiene Pelloc.exe e Gandry.exe: i pulsanti Options e Help li cercano lì, perciò OK chiede conferma prima di salvare una cartella che non li contiene.

La riga sotto i campi mostra dove finirebbero le immagini di C:\Work\Report.doc. OK controlla i campi e li salva, Annulla chiude senza salvare e Predefinite inserisce le impostazioni predefinite mantenendo la lingua. La finestra principale usa la nuova cartella di destinazione, il suffisso e la proposta di eliminazione al prossimo recupero, la nuova lingua e la cartella del programma al prossimo avvio.)",
                 R"(Options, el botón o «{Options}» en el menú Opciones, abre el programa de configuración Pelloc.exe. En él se ajusta:

- la carpeta para las imágenes recuperadas, escrita o elegida con Examinar. Si se deja vacía, las imágenes van junto al documento. Una carpeta que todavía no existe se puede crear junto con las carpetas que la contienen;
- el sufijo de la carpeta, de 3 caracteres como máximo, sin \ / : * ? " < > | y sin punto ni espacio al final;
- si se ofrece borrar el documento después de una recuperación;
- el idioma;
- la carpeta del programa, que contiene Pelloc.exe y Gandry.exe: los botones Options y Help los buscan ahí, así que OK pide confirmación antes de guardar una carpeta que no los contiene.

La línea que hay debajo de los campos muestra adónde irían las imágenes de C:\Work\Report.doc. OK comprueba los campos y los guarda, Cancelar cierra sin guardar y Predeterminados rellena los valores predeterminados sin cambiar el idioma. La ventana principal usa la nueva carpeta de salida, el sufijo y la oferta de borrado en la próxima recuperación, y el nuevo idioma y la carpeta del programa la próxima vez que se inicie.)",
                 R"(Options, butonul sau „{Options}” din meniul Optiuni, pornește programul de configurare Pelloc.exe. În el stabiliți:

- dosarul pentru imaginile recuperate, scris sau ales cu Răsfoire. Dacă rămâne gol, imaginile ajung lângă document. Un dosar care nu există încă poate fi creat, împreună cu dosarele care îl conțin;
- sufixul dosarului, cel mult 3 caractere, niciunul dintre \ / : * ? " < > | și fără punct sau spațiu la sfârșit;
- dacă după o recuperare se propune ștergerea documentului;
- limba;
- dosarul programului, care conține Pelloc.exe și Gandry.exe: butoanele Options și Help le caută acolo, așa că OK cere confirmare înainte de a salva un dosar care nu le conține.

Rândul de sub câmpuri arată unde ar ajunge imaginile din C:\Work\Report.doc. OK verifică și salvează câmpurile, Anulare închide fără să salveze, iar Implicite completează setările implicite, păstrând limba. Fereastra principală folosește noul dosar de ieșire, sufixul și propunerea de ștergere la următoarea recuperare, iar limba și dosarul programului la următoarea pornire.)"},
            },
            // ---------------------------------------------------------------------------
            {
                // HELP_CONSOLE_TOOL
                {"", "The console tool velmo-extract", "L'outil console velmo-extract",
                 "Das Konsolenprogramm velmo-extract", "Lo strumento velmo-extract",
                 "La herramienta velmo-extract", "Utilitarul velmo-extract"},
                {"",
                 R"(velmo-extract does the same recovery from a command prompt or a script:

    velmo-extract DOCUMENT OUTPUT_FOLDER

It saves the pictures of the document in OUTPUT_FOLDER, which it creates when it finds the first picture (the folder above it must exist), numbered as in the main window. It then prints one line with the result; failures go to the error output. It ends with 0 when every picture was saved, 1 when the recovery failed or stopped, and 2 when it was called the wrong way. It reads no settings: the folder you give is used as it is.

With --kinds it saves only the pictures of the kinds you name, for instance only the PNG and GIF pictures:

    velmo-extract --kinds png,gif DOCUMENT OUTPUT_FOLDER

For many documents, -o names the folder below which each document gets a folder of its own. --list adds under each document's line one line per picture: its file, its kind, its length, its SHA-256, whether it is whole or cut, and where in the document it was found (a ZIP entry such as word/media/image1.png, a stream such as ObjectPool/_1234/Data, a picture record in that stream, or an offset in the file). --json gives the same facts in each document's JSON line. With --unique a picture whose bytes equal those of one already saved in the same run, from the same document or another, is not saved again: its line names the file that holds it.

    velmo-extract -o OUTPUT_FOLDER --unique --list FOLDER

velmo-extract --help lists every kind and every option, among them the recovery of many documents at once.)",
                 R"(velmo-extract effectue la même récupération depuis une invite de commandes ou un script :

    velmo-extract DOCUMENT DOSSIER_DE_SORTIE

Il enregistre les images du document dans DOSSIER_DE_SORTIE, qu'il crée en trouvant la première image (le dossier parent doit exister), numérotées comme dans la fenêtre principale. Il affiche ensuite une ligne avec le résultat ; les erreurs vont sur la sortie d'erreur. Il se termine par 0 si toutes les images ont été enregistrées, 1 si la récupération a échoué ou s'est interrompue, et 2 s'il a été mal appelé. Il ne lit aucun paramètre : le dossier indiqué est utilisé tel quel.

Avec --kinds, il n'enregistre que les images des types que vous nommez, par exemple seulement les images PNG et GIF :

    velmo-extract --kinds png,gif DOCUMENT DOSSIER_DE_SORTIE

Pour de nombreux documents, -o désigne le dossier sous lequel chaque document reçoit son propre dossier. --list ajoute sous la ligne de chaque document une ligne par image : son fichier, son type, sa taille, son SHA-256, si elle est entière ou tronquée, et l'endroit du document où elle a été trouvée (une entrée ZIP comme word/media/image1.png, un flux comme ObjectPool/_1234/Data, un enregistrement d'image dans ce flux, ou une position dans le fichier). --json donne les mêmes informations dans la ligne JSON de chaque document. Avec --unique, une image dont les octets sont identiques à ceux d'une image déjà enregistrée pendant la même exécution, du même document ou d'un autre, n'est pas enregistrée à nouveau : sa ligne indique le fichier qui la contient.

    velmo-extract -o DOSSIER_DE_SORTIE --unique --list DOSSIER

velmo-extract --help énumère tous les types et toutes les options, dont la récupération de nombreux documents à la fois.)",
                 R"(velmo-extract erledigt dieselbe Wiederherstellung an der Eingabeaufforderung oder in einem Skript:

    velmo-extract DOKUMENT AUSGABEORDNER

Es speichert die Bilder des Dokuments in AUSGABEORDNER, den es beim ersten gefundenen Bild anlegt (der übergeordnete Ordner muss existieren), nummeriert wie im Hauptfenster. Danach gibt es eine Zeile mit dem Ergebnis aus; Fehler gehen an die Fehlerausgabe. Es endet mit 0, wenn jedes Bild gespeichert wurde, mit 1, wenn die Wiederherstellung fehlschlug oder abbrach, und mit 2 bei falschem Aufruf. Es liest keine Einstellungen: Der angegebene Ordner wird so verwendet, wie er ist.

Mit --kinds speichert es nur die Bilder der Arten, die Sie nennen, zum Beispiel nur die PNG- und GIF-Bilder:

    velmo-extract --kinds png,gif DOKUMENT AUSGABEORDNER

Für viele Dokumente nennt -o den Ordner, unter dem jedes Dokument einen eigenen Ordner erhält. --list fügt unter der Zeile jedes Dokuments eine Zeile pro Bild hinzu: seine Datei, seine Art, seine Größe, seinen SHA-256-Wert, ob es vollständig oder abgeschnitten ist und wo im Dokument es gefunden wurde (ein ZIP-Eintrag wie word/media/image1.png, ein Datenstrom wie ObjectPool/_1234/Data, ein Bilddatensatz in diesem Datenstrom oder eine Position in der Datei). --json gibt dieselben Angaben in der JSON-Zeile jedes Dokuments aus. Mit --unique wird ein Bild, dessen Bytes denen eines im selben Lauf bereits gespeicherten Bildes gleichen, ob aus demselben oder einem anderen Dokument, nicht noch einmal gespeichert: Seine Zeile nennt die Datei, die es enthält.

    velmo-extract -o AUSGABEORDNER --unique --list ORDNER

velmo-extract --help zählt alle Arten und alle Optionen auf, darunter die Wiederherstellung vieler Dokumente auf einmal.)",
                 R"(velmo-extract esegue lo stesso recupero dal prompt dei comandi o da uno script:

    velmo-extract DOCUMENTO CARTELLA_DI_DESTINAZIONE

Salva le immagini del documento in CARTELLA_DI_DESTINAZIONE, che crea quando trova la prima immagine (la cartella che la contiene deve esistere), numerate come nella finestra principale. Poi stampa una riga con il risultato; gli errori vanno sull'output degli errori. Termina con 0 se tutte le immagini sono state salvate, 1 se il recupero non è riuscito o si è interrotto e 2 se è stato chiamato in modo sbagliato. Non legge alcuna impostazione: la cartella indicata viene usata così com'è.

Con --kinds salva solo le immagini dei tipi che indichi, per esempio solo le immagini PNG e GIF:

    velmo-extract --kinds png,gif DOCUMENTO CARTELLA_DI_DESTINAZIONE

Per molti documenti, -o indica la cartella sotto la quale ogni documento riceve una cartella propria. --list aggiunge sotto la riga di ogni documento una riga per immagine: il suo file, il tipo, la dimensione, lo SHA-256, se è intera o troncata e dove è stata trovata nel documento (una voce ZIP come word/media/image1.png, un flusso come ObjectPool/_1234/Data, un record di immagine in quel flusso o una posizione nel file). --json fornisce le stesse informazioni nella riga JSON di ogni documento. Con --unique un'immagine i cui byte sono uguali a quelli di un'immagine già salvata nella stessa esecuzione, dello stesso documento o di un altro, non viene salvata di nuovo: la sua riga indica il file che la contiene.

    velmo-extract -o CARTELLA_DI_DESTINAZIONE --unique --list CARTELLA

velmo-extract --help elenca tutti i tipi e tutte le opzioni, tra cui il recupero di molti documenti in una volta.)",
                 R"(velmo-extract hace la misma recuperación desde el símbolo del sistema o un script:

    velmo-extract DOCUMENTO CARPETA_DE_SALIDA

Guarda las imágenes del documento en CARPETA_DE_SALIDA, que crea al encontrar la primera imagen (la carpeta que la contiene debe existir), numeradas como en la ventana principal. Después escribe una línea con el resultado; los errores van a la salida de errores. Termina con 0 si se guardaron todas las imágenes, con 1 si la recuperación falló o se detuvo, y con 2 si se llamó de forma incorrecta. No lee ninguna configuración: la carpeta indicada se usa tal cual.

Con --kinds solo guarda las imágenes de los tipos que indique, por ejemplo solo las imágenes PNG y GIF:

    velmo-extract --kinds png,gif DOCUMENTO CARPETA_DE_SALIDA

Para muchos documentos, -o indica la carpeta bajo la cual cada documento recibe una carpeta propia. --list añade bajo la línea de cada documento una línea por imagen: su archivo, su tipo, su tamaño, su SHA-256, si está entera o cortada y dónde se encontró en el documento (una entrada ZIP como word/media/image1.png, un flujo como ObjectPool/_1234/Data, un registro de imagen en ese flujo o una posición en el archivo). --json da los mismos datos en la línea JSON de cada documento. Con --unique, una imagen cuyos bytes son iguales a los de otra ya guardada en la misma ejecución, del mismo documento o de otro, no se guarda de nuevo: su línea indica el archivo que la contiene.

    velmo-extract -o CARPETA_DE_SALIDA --unique --list CARPETA

velmo-extract --help enumera todos los tipos y todas las opciones, entre ellas la recuperación de muchos documentos a la vez.)",
                 R"(velmo-extract face aceeași recuperare dintr-un prompt de comandă sau dintr-un script:

    velmo-extract DOCUMENT DOSAR_DE_IEȘIRE

Salvează imaginile documentului în DOSAR_DE_IEȘIRE, pe care îl creează când găsește prima imagine (dosarul care îl conține trebuie să existe), numerotate ca în fereastra principală. Apoi afișează un rând cu rezultatul; erorile merg la ieșirea de erori. Se termină cu 0 când toate imaginile au fost salvate, cu 1 când recuperarea a eșuat sau s-a oprit și cu 2 când a fost apelat greșit. Nu citește nicio setare: dosarul dat este folosit așa cum este.

Cu --kinds salvează numai imaginile de tipurile pe care le numiți, de exemplu numai imaginile PNG și GIF:

    velmo-extract --kinds png,gif DOCUMENT DOSAR_DE_IEȘIRE

Pentru multe documente, -o numește dosarul sub care fiecare document primește un dosar propriu. --list adaugă sub rândul fiecărui document câte un rând pentru fiecare imagine: fișierul ei, tipul, dimensiunea, SHA-256, dacă este întreagă sau tăiată și locul din document unde a fost găsită (o intrare ZIP precum word/media/image1.png, un flux precum ObjectPool/_1234/Data, o înregistrare de imagine din acel flux sau o poziție în fișier). --json dă aceleași informații în rândul JSON al fiecărui document. Cu --unique, o imagine ai cărei octeți sunt identici cu ai unei imagini deja salvate în aceeași rulare, din același document sau din altul, nu mai este salvată: rândul ei numește fișierul care o conține.

    velmo-extract -o DOSAR_DE_IEȘIRE --unique --list DOSAR

velmo-extract --help enumeră toate tipurile și toate opțiunile, printre care recuperarea mai multor documente deodată.)"},
            },
        }};
