; The installer's own texts in the program's six languages; the Modern UI
; brings the rest. LanguageIndex is the settings file's number of each language.

LangString LanguageIndex ${LANG_ENGLISH} "1"
LangString LanguageIndex ${LANG_FRENCH} "2"
LangString LanguageIndex ${LANG_GERMAN} "3"
LangString LanguageIndex ${LANG_ITALIAN} "4"
LangString LanguageIndex ${LANG_SPANISH} "5"
LangString LanguageIndex ${LANG_ROMANIAN} "6"

LangString ProgramSectionText ${LANG_ENGLISH} "The program, its configuration and help programs, the console tool velmo-extract and the Start menu entries."
LangString ProgramSectionText ${LANG_FRENCH} "Le programme, ses programmes de configuration et d'aide, l'outil en ligne de commande velmo-extract et les raccourcis du menu Démarrer."
LangString ProgramSectionText ${LANG_GERMAN} "Das Programm, seine Konfigurations- und Hilfeprogramme, das Kommandozeilenwerkzeug velmo-extract und die Einträge im Startmenü."
LangString ProgramSectionText ${LANG_ITALIAN} "Il programma, i programmi di configurazione e di guida, lo strumento da riga di comando velmo-extract e le voci del menu Start."
LangString ProgramSectionText ${LANG_SPANISH} "El programa, sus programas de configuración y de ayuda, la herramienta de línea de comandos velmo-extract y las entradas del menú Inicio."
LangString ProgramSectionText ${LANG_ROMANIAN} "Programul, programele sale de configurare și de ajutor, instrumentul în linie de comandă velmo-extract și intrările din meniul Start."

LangString DesktopShortcutSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopShortcutSection ${LANG_FRENCH} "Raccourci sur le Bureau"
LangString DesktopShortcutSection ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString DesktopShortcutSection ${LANG_ITALIAN} "Collegamento sul desktop"
LangString DesktopShortcutSection ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString DesktopShortcutSection ${LANG_ROMANIAN} "Comandă rapidă pe desktop"

LangString DesktopShortcutText ${LANG_ENGLISH} "A shortcut to Velmo Image Recovery on the desktop."
LangString DesktopShortcutText ${LANG_FRENCH} "Un raccourci vers Velmo Image Recovery sur le Bureau."
LangString DesktopShortcutText ${LANG_GERMAN} "Eine Verknüpfung zu Velmo Image Recovery auf dem Desktop."
LangString DesktopShortcutText ${LANG_ITALIAN} "Un collegamento a Velmo Image Recovery sul desktop."
LangString DesktopShortcutText ${LANG_SPANISH} "Un acceso directo a Velmo Image Recovery en el escritorio."
LangString DesktopShortcutText ${LANG_ROMANIAN} "O comandă rapidă către Velmo Image Recovery pe desktop."

LangString SettingsNotWritten ${LANG_ENGLISH} "The settings file ${SETTINGS_FILE} could not be written. Velmo Image Recovery needs it to start."
LangString SettingsNotWritten ${LANG_FRENCH} "Impossible d'écrire le fichier de réglages ${SETTINGS_FILE}. Velmo Image Recovery en a besoin pour démarrer."
LangString SettingsNotWritten ${LANG_GERMAN} "Die Einstellungsdatei ${SETTINGS_FILE} konnte nicht geschrieben werden. Velmo Image Recovery braucht sie zum Starten."
LangString SettingsNotWritten ${LANG_ITALIAN} "Impossibile scrivere il file delle impostazioni ${SETTINGS_FILE}. Velmo Image Recovery ne ha bisogno per avviarsi."
LangString SettingsNotWritten ${LANG_SPANISH} "No se pudo escribir el archivo de configuración ${SETTINGS_FILE}. Velmo Image Recovery lo necesita para iniciarse."
LangString SettingsNotWritten ${LANG_ROMANIAN} "Fișierul de setări ${SETTINGS_FILE} nu a putut fi scris. Velmo Image Recovery are nevoie de el pentru a porni."

LangString RemoveSettingsQuestion ${LANG_ENGLISH} "Remove the settings file ${SETTINGS_FILE} too?$\r$\n$\r$\nIt holds your choices (output folder, suffix, language). Choose No to keep them for a later installation."
LangString RemoveSettingsQuestion ${LANG_FRENCH} "Supprimer aussi le fichier de réglages ${SETTINGS_FILE} ?$\r$\n$\r$\nIl contient vos choix (dossier de sortie, suffixe, langue). Répondez Non pour les garder en vue d'une prochaine installation."
LangString RemoveSettingsQuestion ${LANG_GERMAN} "Auch die Einstellungsdatei ${SETTINGS_FILE} entfernen?$\r$\n$\r$\nSie enthält Ihre Einstellungen (Zielordner, Endung, Sprache). Wählen Sie Nein, um sie für eine spätere Installation zu behalten."
LangString RemoveSettingsQuestion ${LANG_ITALIAN} "Rimuovere anche il file delle impostazioni ${SETTINGS_FILE}?$\r$\n$\r$\nContiene le tue scelte (cartella di destinazione, suffisso, lingua). Scegli No per conservarle per una futura installazione."
LangString RemoveSettingsQuestion ${LANG_SPANISH} "¿Eliminar también el archivo de configuración ${SETTINGS_FILE}?$\r$\n$\r$\nGuarda sus preferencias (carpeta de destino, sufijo, idioma). Elija No para conservarlas para una instalación posterior."
LangString RemoveSettingsQuestion ${LANG_ROMANIAN} "Ștergeți și fișierul de setări ${SETTINGS_FILE}?$\r$\n$\r$\nAcesta păstrează opțiunile dumneavoastră (dosarul de ieșire, sufixul, limba). Alegeți Nu pentru a le păstra pentru o instalare ulterioară."
