// Texts.cpp - the six-language texts
//
// Encoding: every text here is UTF-8, and this file must stay UTF-8. The
// window converts a text to UTF-16 (MultiByteToWideChar with CP_UTF8) and
// shows it through the W functions. Code page 1252 bytes shown through the A
// functions would only come out right while the system's ANSI code page is
// 1252: under a Russian (1251) or Japanese (932) code page every é, ö, ñ and ¡
// would turn into other characters. UTF-8 shown as UTF-16 is right on every
// system. Every text still fits code page 1252, so a 1252 rendering stays
// possible.
#include "lang/Texts.h"

// Stops a build that would compile these literals into another character set
// (an -fexec-charset option, say): "é" must be the two UTF-8 bytes C3 A9.
static_assert(sizeof("é") == 3 && static_cast<unsigned char>("é"[0]) == 0xC3 &&
                  static_cast<unsigned char>("é"[1]) == 0xA9,
              "the language texts must be compiled as UTF-8");

// Language order in every set: "", English, French, German, Italian, Spanish, Romanian.

const TextSet kMsgMissingFile = {
    "",
    "Missing file. Please reinstall!",
    "Ne peut pas trouver file.Svp réinstaller!",
    "Fehlende file.Bitte installieren wieder!",
    "Non può trovare file.Prego reinstallare!",
    "¡No puede encontrar file.¡Por favor para reinstalar!",
    "Fisier lipsa. Va rugam reinstalati!",
};

const TextSet kMsgWriteError = {
    "",
    "Error writing file. Quit any application that might use the file!",
    "Erreur pour le dossier .  Stoppez l'application qui pourrait employer le dossier!",
    "Störungsschreibensakte.  Beendigen Sie jede mögliche Anwendung, die die Datei benutzen konnte!",
    "Errore per la lima.  Rinunci l'applicazione che potrebbe usare la lima!",
    "Error para el archivo .  ¡Pare el uso que pudo utilizar el archivo!",
    "Eroare scriere fisier. Inchideti orice fisier care ar putea folosi fisierul!",
};

const TextSet kMsgReadError = {
    "",
    "The document could not be read to its end. The pictures stored so far are kept.",
    "Le document n'a pas pu être lu jusqu'au bout. Les images déjà enregistrées sont conservées.",
    "Das Dokument konnte nicht bis zum Ende gelesen werden. Die bereits gespeicherten Bilder bleiben erhalten.",
    "Non è stato possibile leggere il documento fino alla fine. Le immagini già salvate vengono conservate.",
    "No se pudo leer el documento hasta el final. Las imágenes ya guardadas se conservan.",
    "Documentul nu a putut fi citit pana la capat. Imaginile salvate pana acum se pastreaza.",
};

const TextSet kMsgCannotOpenDocument = {
    "",
    "Cannot open the document %s: %s.",
    "Impossible d'ouvrir le document %s : %s.",
    "Das Dokument %s lässt sich nicht öffnen: %s.",
    "Impossibile aprire il documento %s: %s.",
    "No se puede abrir el documento %s: %s.",
    "Documentul %s nu poate fi deschis: %s.",
};

const TextSet kMsgCannotMakeFolder = {
    "",
    "Cannot create the folder %s: %s.",
    "Impossible de créer le dossier %s : %s.",
    "Der Ordner %s lässt sich nicht anlegen: %s.",
    "Impossibile creare la cartella %s: %s.",
    "No se puede crear la carpeta %s: %s.",
    "Dosarul %s nu poate fi creat: %s.",
};

const TextSet kMsgCannotWritePicture = {
    "",
    "Cannot write the picture %s: %s.",
    "Impossible d'écrire l'image %s : %s.",
    "Das Bild %s lässt sich nicht schreiben: %s.",
    "Impossibile scrivere l'immagine %s: %s.",
    "No se puede escribir la imagen %s: %s.",
    "Imaginea %s nu poate fi scrisa: %s.",
};

const TextSet kReasonNotFound = {
    "",
    "no such file or folder",
    "fichier ou dossier introuvable",
    "Datei oder Ordner nicht gefunden",
    "file o cartella inesistente",
    "no existe el archivo o la carpeta",
    "fisierul sau dosarul nu exista",
};

const TextSet kReasonAccessDenied = {
    "",
    "access denied",
    "accès refusé",
    "Zugriff verweigert",
    "accesso negato",
    "acceso denegado",
    "acces refuzat",
};

const TextSet kReasonDiskFull = {
    "",
    "disk full",
    "disque plein",
    "Datenträger voll",
    "disco pieno",
    "disco lleno",
    "disc plin",
};

const TextSet kReasonUnknown = {
    "",
    "the system gave no reason",
    "le système n'en donne pas la raison",
    "das System nennt keinen Grund",
    "il sistema non ne indica il motivo",
    "el sistema no indica el motivo",
    "sistemul nu da niciun motiv",
};

const TextSet kMsgDiskFull = {
    "",
    "Disk full!",
    "Le disque est plein!",
    "Disk ist voll!",
    "Il disc è pieno!",
    "¡El disco es lleno!",
    "Discul este plin!",
};

const TextSet kMsgNoSelection = {
    "",
    "No file selected!",
    "Aucun fichier n'a choisi!",
    "Keine Datei wählte vor!",
    "Nessuna lima ha selezionato!",
    "Ningún archivo seleccionó!",
    "Nici un fisier selectat!",
};

const std::array<TextSet, 7> kTooltipTexts = {{
    // TIP_OPEN: button IDC_OPEN_BUTTON
    {
        "",
        "Ad a file in the list",
        "Annonce un fichier ",
        "Datei Anzeige",
        "Annuncio una lima",
        "Anuncio un archivo",
        "Adauga un fisier in lista",
    },
    // TIP_EXTRACT: button IDC_EXTRACT_BUTTON
    {
        "",
        "Recover the selected file ",
        "Recuperation de fichier ",
        "Datenrettung",
        "Recuperatione",
        "Recuperación ",
        "Recupereaza fisierul selectat din lista",
    },
    // TIP_OPTIONS: button IDC_OPTIONS_BUTTON
    {
        "",
        "Set configuration for recovery process",
        "Configuration",
        "Einstellungen",
        "Configuratione",
        "Opciones",
        "Seteaza optiunile pentru procesul de recuperare",
    },
    // TIP_HELP: button IDC_HELP_BUTTON
    {
        "",
        "Help",
        "Aide",
        "Hilfe",
        "Aiuto",
        "Ayuda",
        "Ajutor",
    },
    // TIP_EXIT: button IDOK
    {
        "",
        "Exit",
        "Sortie",
        "Exit",
        "Esci",
        "Salir",
        "Terminare program",
    },
    // TIP_DELETE: button IDC_DELETE_BUTTON
    {
        "",
        "Remove the selected file from disk",
        "Enlèvent le fichier ",
        "Datei Entfernen",
        "Rimuovono la lima",
        "Quite el archivo seleccionado de disco",
        "Sterge fisierul selectat de pe disk",
    },
    // TIP_EMPTY_LIST: button IDC_EMPTY_BUTTON
    {
        "",
        "Empty list",
        "Vider la liste",
        "Liste leeren",
        "Svuotare la lista",
        "Vaciar la lista",
        "Lista goala",
    },
}};

const std::array<TextSet, 11> kMenuTexts = {{
    // MENU_ADD_FILE: File, ID_FILE_ADD
    {
        "",
        "Ad File",
        "Annonce un fichier",
        "Datei Anzeige ",
        "Annuncio una lima",
        "Anuncio un archivo",
        "Adauga Fisier",
    },
    // MENU_DELETE_FILE: File, ID_FILE_DELETE
    {
        "",
        "Delete File",
        "Enlèvent le fichier",
        "Datei Entfernen ",
        "Rimuovono la lima",
        "Quitar el archivo de disco",
        "Sterge",
    },
    // MENU_CLEAR_LIST: File, ID_FILE_CLEAR
    {
        "",
        "Clear List",
        "Vider la liste",
        "Liste leeren",
        "Svuotare la lista",
        "Vaciar la lista",
        "List vida",
    },
    // MENU_RECOVER: File, ID_FILE_RECOVER
    {
        "",
        "Recover",
        "Recover",
        "Datenrettung",
        "Recover",
        "Recuperación",
        "Recupereaza",
    },
    // MENU_EXIT: File, ID_FILE_EXIT
    {
        "",
        "Exit",
        "Sortie",
        "Exit",
        "Esci",
        "Salir",
        "Terminare",
    },
    // MENU_OPTIONS: Options, ID_OPTIONS_SETTINGS
    {
        "",
        "Options",
        "Configuration",
        "Einstellungen",
        "Opzioni",
        "Opciones",
        "Optiuni",
    },
    // MENU_HELP: Help, ID_HELP_LAUNCH
    {
        "",
        "Help",
        "Aide",
        "Hilfe",
        "Aiuto",
        "Ayuda",
        "Ajutor",
    },
    // MENU_ABOUT: Help, ID_HELP_ABOUT
    {
        "",
        "About",
        "About",
        "About",
        "About",
        "About",
        "Despre noi",
    },
    // MENU_CONTEXT_RECOVER: list context, ID_LIST_RECOVER
    {
        "",
        "Recover",
        "Recover",
        "Datenrettung",
        "Recuperatione",
        "Recuperation",
        "Recupereaza",
    },
    // MENU_CONTEXT_DELETE: list context, ID_LIST_DELETE
    {
        "",
        "Delete",
        "Enlèvent le fichier",
        " Akte Entfernen",
        "Rimuovono la lima",
        "Quitar el archivo de disco",
        "Sterge de pe disk",
    },
    // MENU_CONTEXT_REMOVE: list context, ID_LIST_REMOVE
    {
        "",
        "Remove from list",
        "Vider la liste",
        "Liste leeren",
        "Svuotare la lista",
        "Vaciar la lista",
        "Sterge din lista",
    },
}};

const std::array<TextSet, 4> kColumnCaptions = {{
    // column 0
    {
        "",
        "Pathname",
        "Chemin",
        "Weg",
        "Percorso",
        "Trayectoria",
        "Cale",
    },
    // column 1
    {
        "",
        "Size KB",
        " KB",
        "Größe KB",
        "Formato KB",
        "Tamaño KB",
        "Marime KB",
    },
    // column 2
    {
        "",
        "Date",
        "Date",
        "Datum",
        "Data",
        "Fecha",
        "Data",
    },
    // column 3
    {
        "",
        "Time",
        "Temps",
        "Zeit",
        "Tempo",
        "Tiempo",
        "Timp",
    },
}};

const TextSet kOpenDialogTitles = {
    "",
    "Ad file ",
    "Ajoutez le fichier ",
    "Datei vorzuwählen ",
    "Aggiunga il file ",
    "Agregue el file ",
    "Adauga fisier",
};

// %s: the document's path
const TextSet kDeleteConfirmFirst = {
    "",
    "Are you sure you want to delete  file %s ?",
    "Êtes vous sûr vous voulez supprimer le dossier%s ?",
    "Sind Sie sicher Sie möchten Datei löschen %s ?",
    "Siete sicuri voi desiderate cancellare la lima %s ?",
    "?Está usted seguro usted desea suprimir el archivo %s ?",
    "Sunteti sigur ca vreti sa stergeti fisierul sursa %s ?",
};

const TextSet kDeleteConfirmSecond = {
    "",
    "Are you sure  ?",
    "Êtes vous sûr  ?",
    "Sind Sie sicher  ?",
    "Siete sicuri  ?",
    "?Está usted seguro  ?",
    "Sunteti sigur  ?",
};

// %s: the document's path
const TextSet kSourceDeleteConfirmFirst = {
    "",
    "Are you sure you want to delete source file %s ?",
    "Êtes vous sûr vous voulez supprimer le dossier %s ?",
    "Sind Sie sicher Sie möchten Datei löschen %s ?",
    "Siete sicuri voi desiderate cancellare la lima %s ?",
    "?Está usted seguro usted desea suprimir el archivo %s ?",
    "Sunteti sigur ca vreti sa stergeti fisierul sursa %s ?",
};

const TextSet kSourceDeleteConfirmSecond = {
    "",
    "Are you sure ?",
    "Êtes vous sûr ?",
    "Sind Sie sicher ?",
    "Siete sicuri ?",
    "?Está usted seguro ?",
    "Sunteti sigur?",
};

// %d: pictures stored, %s: the output directory, in this order in every language
const TextSet kRunResultStored = {
    "",
    "( %d )image(s) recovered stored in directory %s!",
    " ( %d ) image(s) de Doc. de  récupéré dans le folder %s!",
    " Das ( %d )- Buildung(s) zurückgewonnen gespeichert im Folder %s!",
    "( %d ) immagine(s)  recuperato memorizzato nell folder %s!",
    " ( %d ) image(s)   recuperado almacenado en directorio %s!",
    " ( %d ) imagini au fost salvate in directorul %s!",
};

const TextSet kRunResultNone = {
    "",
    " No image recovered",
    " Aucun image récupéré!",
    " Kein Bild zurückgewonnen!",
    " Nessuno immagine recuperata!",
    " ¡Ninguna imagen recuperada!",
    " Nu s-a recuperat nici o imagine!",
};

const TextSet kDirectoryExists = {
    "",
    "Images directory already exists!! Process aborted for recovery of images.. Set the path for recovered images directory in settings as described in help!",
    "Le images dossier existe déjà!!  Le processus s'est interrompu pour le rétablissement des images.  Placez le chemin pour le fichier récupéré d'images dans les configuration comme décrit dans l'aide!",
    "Build Akte besteht bereits!!  Prozeß unterbrochen für Wiederaufnahme von Bildern..  Stellen Sie den Weg für zurückgewonnenes Bildverzeichnis in den Einstellungen ein, wie in der Hilfe beschrieben!",
    "La immagine. lima già esiste!!  Processo interrotto per il recupero delle immagini..  Regoli il percorso per l'indice recuperato di immagini nelle regolazioni come descritte nell'aiuto!",
    "¡El imagen archivo existe ya!!  El proceso interrumpió para la recuperación de imágenes..  ¡Fije la trayectoria para el directorio recuperado de las imágenes en ajustes según lo descrito en ayuda!",
    "Fisierul imagine exista deja!!  Proces abandonat pentru recuperarea imaginilor! Faceti setarea in Setari pentru modificarea dosarului destinatie!",
};

const TextSet kAskStopRun = {
    "",
    "Stop the recovery? The pictures stored so far are kept.",
    "Arrêter la récupération ? Les images déjà enregistrées sont conservées.",
    "Wiederherstellung abbrechen? Die bereits gespeicherten Bilder bleiben erhalten.",
    "Interrompere il recupero? Le immagini già salvate vengono conservate.",
    "¿Detener la recuperación? Las imágenes ya guardadas se conservan.",
    "Opriti recuperarea? Imaginile salvate pana acum se pastreaza.",
};

// %d: pictures stored, %s: the output directory, in this order in every language
const TextSet kRunStoppedStored = {
    "",
    "Recovery stopped. Pictures stored so far: %d, in the folder %s",
    "Récupération arrêtée. Images enregistrées jusqu'ici : %d, dans le dossier %s",
    "Wiederherstellung abgebrochen. Bisher gespeicherte Bilder: %d, im Ordner %s",
    "Recupero interrotto. Immagini salvate finora: %d, nella cartella %s",
    "Recuperación detenida. Imágenes guardadas hasta ahora: %d, en la carpeta %s",
    "Recuperare oprita. Imagini salvate pana acum: %d, in dosarul %s",
};

const TextSet kRunStoppedNone = {
    "",
    "Recovery stopped before any picture was stored.",
    "Récupération arrêtée avant qu'aucune image ne soit enregistrée.",
    "Wiederherstellung abgebrochen, bevor ein Bild gespeichert wurde.",
    "Recupero interrotto prima che fosse salvata alcuna immagine.",
    "Recuperación detenida antes de guardar ninguna imagen.",
    "Recuperare oprita inainte de a salva vreo imagine.",
};

const std::array<const TextSet*, kMainProgramMessageCount> kMainProgramMessages = {
    &kMsgNoSelection,
    &kRunResultStored,
    &kRunResultNone,
    &kAskStopRun,
    &kRunStoppedStored,
    &kRunStoppedNone,
    &kDirectoryExists,
    &kMsgDiskFull,
    &kMsgReadError,
    &kMsgCannotOpenDocument,
    &kMsgWriteError,
    &kMsgCannotMakeFolder,
    &kMsgCannotWritePicture,
    &kMsgMissingFile,
    &kDeleteConfirmFirst,
    &kDeleteConfirmSecond,
    &kSourceDeleteConfirmFirst,
    &kSourceDeleteConfirmSecond,
};

const char* const kLanguageNames[7] = {"",         "English",   "Francais", "Deutch",
                                       "Italiano", "Espagniol", "Romana"};

const char* const kSidePanelTooltip = "Alimentare!";
