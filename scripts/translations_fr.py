"""The French translations of the program's texts, by context and source.

scripts/update-translations.sh runs lupdate over src/ and then this, which
fills in translations/quillwright_fr.ts; a text without an entry here stays
unfinished there, and the test that walks every window in French finds it.
"""
FR = {
    ("DocumentChecks", "Error"): "Erreur",
    ("DocumentChecks", "Warning"): "Avertissement",
    ("DocumentChecks", "Note"): "Remarque",
    ("DocumentChecks", "%1: %2"): "%1 : %2",
    ("FindBar", "Clear"): "Effacer",
    ("GoToLineBar", "Line number, of %1"): "Numéro de ligne, sur %1",
    ("MainToolBar", "Toolbar"): "Barre d'outils",
    ("MainToolBar", "Commands"): "Commandes",
    ("DocumentChecks", "Don't Report This Kind of Problem (%1)"): "Ne plus signaler ce genre de problème (%1)",
    ("ProblemsPanel", "Problems"): "Problèmes",
    ("ProblemsPanel", "Pro&blems"): "&Problèmes",
    ("ProblemsPanel", "Forget This Forum"): "Oublier ce forum",
    ("ProblemsPanel", "Problems of the script"): "Problèmes du script",
    ("ProblemsPanel", "Line"): "Ligne",
    ("ProblemsPanel", "Problem"): "Problème",
    ("ProblemsPanel", "Rule"): "Règle",
    ("ProblemsPanel", "Don't Report This Kind of Problem (%1)"): "Ne plus signaler ce genre de problème (%1)",
    ("ProblemsPanel", "Report Again"): "Signaler de nouveau",
    ("ProblemsPanel", "Each FIND is tried against a forum's files once you choose one (Check against forum files... in the status bar's menu)."):
        "Chaque FIND est essayé sur les fichiers d'un forum une fois que vous en choisissez un (Vérifier avec les fichiers d'un forum... dans le menu de la barre d'état).",
    ("ProblemsPanel", "Each FIND is tried against the files of the forum in %1."):
        "Chaque FIND est essayé sur les fichiers du forum de %1.",
    ('CliText', "Usage: %1 [OPTIONS] [--] FILE|DIR|- ...\n\nChecks phpBB2 MOD scripts against the conventions of the MOD template and\nprints each finding as FILE:LINE:COL: error|warning|note: MESSAGE [rule-id].\nLINE and COL count from 1; COL counts bytes of the line as the file stores it.\nA folder is searched for MOD scripts (files that begin with a MOD header or\nhold a banner); - reads a script from standard input (named <stdin>). A zip\narchive, a MOD package as downloaded, stands for its script named install.\n\n  --json               print the findings as a JSON array instead\n  --forum DIR          try every OPEN, FIND and IN-LINE FIND against the forum's\n                       files in DIR (nothing there is written)\n  --script NAME        the script to check in a MOD package's zip archive\n                       (without it, the one named install)\n  --ignore RULE[,...]  report nothing of these rules\n  --select RULE[,...]  report only these rules\n  --werror             warnings make the exit status 1 too\n  --color=auto|always|never\n                       colour the severity as compilers do (auto: on a terminal)\n\nExit status: 0 when no finding is an error, 1 when one is, 2 for bad usage or\na file that cannot be read."):
        "Utilisation : %1 [OPTIONS] [--] FICHIER|DOSSIER|- ...\n\nVérifie des scripts MOD de phpBB2 selon les conventions du modèle MOD et affiche\nchaque constat sous la forme FICHIER:LIGNE:COL: error|warning|note: MESSAGE [règle].\nLIGNE et COL comptent à partir de 1 ; COL compte les octets de la ligne telle que le\nfichier la garde. Un dossier est parcouru à la recherche de scripts MOD (les fichiers\nqui commencent par un en-tête MOD ou contiennent une bannière) ; - lit un script sur\nl'entrée standard (nommé <stdin>). Une archive zip, un paquet MOD tel que téléchargé,\nvaut pour son script nommé install.\n\n  --json                 affiche les constats en tableau JSON\n  --forum DOSSIER        essaie chaque OPEN, FIND et IN-LINE FIND sur les fichiers du\n                         forum dans DOSSIER (rien n'y est écrit)\n  --script NOM           le script à vérifier dans l'archive zip d'un paquet MOD\n                         (sans lui, celui nommé install)\n  --ignore RÈGLE[,...]   ne signale rien de ces règles\n  --select RÈGLE[,...]   ne signale que ces règles\n  --werror               les avertissements donnent aussi le code de sortie 1\n  --color=auto|always|never\n                         colore la gravité comme les compilateurs (auto : sur un terminal)\n\nCode de sortie : 0 sans erreur, 1 avec une erreur, 2 pour un mauvais usage ou un\nfichier illisible.",
    ('Checker', 'The header lacks a field the template has, or the file has no MOD header at all'):
        "L'en-tête n'a pas un champ du modèle, ou le fichier n'a pas d'en-tête MOD",
    ('Checker', 'A header field is there but empty'):
        "Un champ de l'en-tête est là mais vide",
    ('Checker', 'A header field other than the author is given twice'):
        "Un champ de l'en-tête autre que l'auteur est donné deux fois",
    ('Checker', 'The version is not in the form 1.2.3 (a letter may follow)'):
        "La version n'est pas de la forme 1.2.3 (une lettre peut suivre)",
    ('Checker', 'The installation level is not Easy, Intermediate or Advanced (an older word is a note)'):
        "Le niveau d'installation n'est pas Easy, Intermediate ou Advanced (un mot plus ancien est une remarque)",
    ('Checker', 'The author line is not "name <e-mail> (real name) web site"'):
        "La ligne de l'auteur n'est pas « nom <courriel> (vrai nom) site »",
    ('Checker', 'The header has no security notice, in any language'):
        "L'en-tête n'a d'avis de sécurité dans aucune langue",
    ('Checker', 'The header does not end with the notice to back up the files'):
        "L'en-tête ne finit pas par l'avis de sauvegarder les fichiers",
    ('Checker', '"Files To Edit" and the files the script opens differ'):
        '« Files To Edit » et les fichiers que le script ouvre diffèrent',
    ('Checker', '"Included Files" and the files the script copies differ'):
        '« Included Files » et les fichiers que le script copie diffèrent',
    ('Checker', "A banner's keyword is not one installers know"):
        "Le mot-clé d'une bannière n'est pas connu des installateurs",
    ('Checker', 'A banner is not written as "#-----[ KEYWORD ]---"'):
        "Une bannière n'est pas écrite « #-----[ MOT-CLÉ ]--- »",
    ('Checker', 'A banner lacks its "#" line before or after it'):
        "Une bannière n'a pas sa ligne « # » avant ou après elle",
    ('Checker', 'An action other than REPLACE WITH has nothing in it'):
        'Une action autre que REPLACE WITH est vide',
    ('Checker', 'Nothing is done to the file an OPEN opens'):
        "Rien n'est fait au fichier qu'un OPEN ouvre",
    ('Checker', 'A FIND or IN-LINE FIND comes before any OPEN'):
        'Un FIND ou IN-LINE FIND vient avant tout OPEN',
    ('Checker', 'An ADD, REPLACE, INCREMENT or IN-LINE action comes before any OPEN'):
        'Une action ADD, REPLACE, INCREMENT ou IN-LINE vient avant tout OPEN',
    ('Checker', 'An ADD, REPLACE or INCREMENT has no FIND before it in its file'):
        "Un ADD, REPLACE ou INCREMENT n'a pas de FIND avant lui dans son fichier",
    ('Checker', 'An IN-LINE FIND has no FIND before it in its file'):
        "Un IN-LINE FIND n'a pas de FIND avant lui dans son fichier",
    ('Checker', 'An IN-LINE action has no IN-LINE FIND before it'):
        "Une action IN-LINE n'a pas de IN-LINE FIND avant elle",
    ('Checker', '"# EoM" has no SAVE/CLOSE ALL FILES block before it'):
        "« # EoM » n'a pas de bloc SAVE/CLOSE ALL FILES avant lui",
    ('Checker', 'Text follows "# EoM"'):
        'Du texte suit « # EoM »',
    ('Checker', 'A Windows-1252 script holds a character it cannot save'):
        "Un script Windows-1252 contient un caractère qu'il ne peut pas enregistrer",
    ('Checker', 'The forum has no file an OPEN names (a warning for languages and templates)'):
        "Le forum n'a pas le fichier qu'un OPEN nomme (un avertissement pour les langues et les thèmes)",
    ('Checker', "A FIND matches nothing in the forum's file from where the one before left off"):
        "Un FIND ne trouve rien dans le fichier du forum à partir de là où le précédent s'est arrêté",
    ('Checker', 'An IN-LINE FIND matches nothing in the lines its FIND found'):
        'Un IN-LINE FIND ne trouve rien dans les lignes trouvées par son FIND',
    ('Checker', 'An action needs a FIND that its file does not have (installing)'):
        "Une action demande un FIND que son fichier n'a pas (installation)",
    ('Checker', 'An IN-LINE action needs an IN-LINE FIND (installing)'):
        'Une action IN-LINE demande un IN-LINE FIND (installation)',
    ('Checker', 'INCREMENT finds no {%:N} number in the lines found (installing)'):
        'INCREMENT ne trouve pas de nombre {%:N} dans les lignes trouvées (installation)',
    ('Checker', 'An OPEN names a file that is not text (installing)'):
        "Un OPEN nomme un fichier qui n'est pas du texte (installation)",
    ('Checker', "An OPEN or COPY leads outside the forum's folder (installing)"):
        'Un OPEN ou COPY mène hors du dossier du forum (installation)',
    ('Checker', 'This does not look like a MOD script: it has no MOD header ("## MOD Title:" and the other labels)'):
        "Ce n'est pas un script MOD : il n'a pas d'en-tête MOD (« ## MOD Title: » et les autres libellés)",
    ('Checker', '%n more line(s) of text after "# EoM" not shown'):
        ('%n autre ligne de texte après « # EoM » non montrée', '%n autres lignes de texte après « # EoM » non montrées'),
    ('Checker', '%n more character(s) a MOD script file cannot hold not shown'):
        ("%n autre caractère qu'un script MOD ne peut contenir non montré", "%n autres caractères qu'un script MOD ne peut contenir non montrés"),
    ('CliText', '--forum needs a folder'):
        '--forum demande un dossier',
    ('CliText', '--color takes auto, always or never'):
        '--color prend auto, always ou never',
    ('CliText', '%1 is not a rule of the checker'):
        "%1 n'est pas une règle du vérificateur",
    ('CliText', 'Usage: quillwright-mod COMMAND [OPTIONS] ...\n\n  check    check scripts against the MOD template (as quillwright-check)\n  diff     show what scripts change in a forum, as a unified diff\n  install  write a copy of a forum with the scripts installed\n  write    write the script of the changes between two forums\n\nquillwright-mod COMMAND --help says more of each.'):
        "Utilisation : quillwright-mod COMMANDE [OPTIONS] ...\n\n  check    vérifie des scripts selon le modèle MOD (comme quillwright-check)\n  diff     montre ce que des scripts changent dans un forum, en diff unifié\n  install  écrit une copie d'un forum avec les scripts installés\n  write    écrit le script des modifications entre deux forums\n\nquillwright-mod COMMANDE --help en dit plus sur chacune.",
    ('CliText', '%1: no actions express these changes: the script copies the whole file'):
        '%1 : aucune action ne dit ces modifications : le script copie le fichier entier',
    ('CliText', '%1: the script does not install it back exactly'):
        '%1 : le script ne le redonne pas exactement',
    ('WriteMenuCommands', '&New Script from Changes...'):
        '&Nouveau script depuis des modifications...',
    ('WriteMenuCommands', '&Rewrite Actions from Changes...'):
        'Ré&écrire les actions depuis des modifications...',
    ('WriteMenuCommands', 'The original forum'):
        "Le forum d'origine",
    ('WriteMenuCommands', 'The forum with your changes'):
        'Le forum avec vos modifications',
    ('WriteMenuCommands', 'The original and the changed forum are the same folder.'):
        "Le forum d'origine et le forum modifié sont le même dossier.",
    ('WriteMenuCommands', 'Writing the script of the changes in %1...'):
        'Écriture du script des modifications de %1...',
    ('WriteMenuCommands', 'Installs back exactly: %1 files, %2 actions.'):
        'Redonne tout exactement : %1 fichiers, %2 actions.',
    ('WriteMenuCommands', 'Not said in actions, copied whole: %1.'):
        'Non dit en actions, copié entier : %1.',
    ('WriteMenuCommands', 'Does not install back exactly: %1.'):
        'Ne redonne pas exactement : %1.',
    ('Writer', 'Delete the file %1 from the forum.'):
        'Supprimez le fichier %1 du forum.',
    ('CliText', "Usage: %1 [--json] [--forum DIR] FILE...\n\nChecks phpBB2 MOD scripts against the conventions of the MOD template and\nprints each finding as FILE:LINE:COL: error|warning|note: MESSAGE [rule-id].\n\n  --json       print the findings as a JSON array instead\n  --forum DIR  try every OPEN, FIND and IN-LINE FIND against the forum's files\n               in DIR (nothing there is written)\n\nExit status: 0 when no finding is an error, 1 when one is, 2 for bad usage or\na file that cannot be read."):
        "Utilisation : %1 [--json] [--forum DOSSIER] FICHIER...\n\nVérifie des scripts MOD de phpBB2 selon les conventions du modèle MOD et\naffiche chaque constat sous la forme FICHIER:LIGNE:COL: error|warning|note: MESSAGE [règle].\n\n  --json           affiche les constats en tableau JSON\n  --forum DOSSIER  essaie chaque OPEN, FIND et IN-LINE FIND sur les fichiers du\n                   forum dans DOSSIER (rien n'y est écrit)\n\nCode de sortie : 0 sans erreur, 1 avec une erreur, 2 pour un mauvais usage ou\nun fichier illisible.",
    ('CliText', '%1: --forum needs a folder'):
        '%1 : --forum demande un dossier',
    ('CliText', '%1: unknown option %2'):
        '%1 : option inconnue %2',
    ('CliText', '%1: %2 is not a folder'):
        "%1 : %2 n'est pas un dossier",
    ('CliText', 'there is no such file'):
        "ce fichier n'existe pas",
    ('CliText', 'it is a folder'):
        "c'est un dossier",
    ('CliText', '%1: cannot read %2: %3'):
        '%1 : impossible de lire %2 : %3',
    ('CliText', '%1 needs a folder'):
        '%1 demande un dossier',
    ('CliText', 'unknown option %1'):
        'option inconnue %1',
    ('CliText', "--forum DIR names the forum's folder"):
        '--forum DOSSIER désigne le dossier du forum',
    ('CliText', '%1 is not a folder'):
        "%1 n'est pas un dossier",
    ('CliText', "-o OUTDIR names the folder for the forum's copy"):
        '-o DOSSIER désigne le dossier de la copie du forum',
    ('CliText', 'no script was given'):
        "aucun script n'a été donné",
    ('CliText', "Usage: quillwright-mod diff --forum DIR [--script NAME] SCRIPT...\n\nApplies the MOD scripts, each to the result of the ones before, to the forum's\nfiles in DIR without writing anything, and prints the whole installation as one\nunified diff: `patch -p1` in the forum's folder applies it. What failed and what\nis left to do by hand (COPY without its file, SQL, DIY INSTRUCTIONS) go to\nstandard error as SCRIPT:LINE:COL: error|warning|note: MESSAGE [rule-id].\nA SCRIPT may be a MOD package as downloaded, a zip archive: its script named\ninstall is taken, or the one --script NAME names.\n\nExit status: 0 when every action applied, 1 when one failed, 2 for bad usage or\na script that cannot be read."):
        "Utilisation : quillwright-mod diff --forum DOSSIER [--script NOM] SCRIPT...\n\nApplique les scripts MOD, chacun au résultat des précédents, aux fichiers du forum\ndans DOSSIER sans rien écrire, et affiche toute l'installation en un seul diff\nunifié : `patch -p1` dans le dossier du forum l'applique. Les échecs et ce qui\nreste à faire à la main (COPY sans son fichier, SQL, DIY INSTRUCTIONS) vont sur\nla sortie d'erreur sous la forme SCRIPT:LIGNE:COL: error|warning|note: MESSAGE [règle].\nUn SCRIPT peut être un paquet MOD tel que téléchargé, une archive zip : son script\nnommé install est pris, ou celui que --script NOM nomme.\n\nCode de sortie : 0 quand toutes les actions s'appliquent, 1 quand une échoue, 2 pour\nun mauvais usage ou un script illisible.",
    ('CliText', "Usage: quillwright-mod install --forum DIR -o OUTDIR [--script NAME] SCRIPT...\n\nApplies the MOD scripts, each to the result of the ones before, to the forum's\nfiles in DIR and writes the forum with the changes into OUTDIR, a new or empty\nfolder outside the forum: whole or not at all, links, modes and times as the\nforum has them. The forum itself is never written. What failed and what is\nleft to do go to standard error, as for diff. A SCRIPT may be a zip archive,\nas for diff.\n\nExit status: 0 when every action applied, 1 when one failed or the copy could\nnot be written, 2 for bad usage or a script that cannot be read."):
        "Utilisation : quillwright-mod install --forum DOSSIER -o SORTIE [--script NOM] SCRIPT...\n\nApplique les scripts MOD, chacun au résultat des précédents, aux fichiers du forum\ndans DOSSIER et écrit le forum modifié dans SORTIE, un dossier nouveau ou vide hors\ndu forum : en entier ou pas du tout, liens, droits et dates tels que le forum les a.\nLe forum lui-même n'est jamais écrit. Les échecs et ce qui reste à faire vont sur la\nsortie d'erreur, comme pour diff. Un SCRIPT peut être une archive zip, comme pour diff.\n\nCode de sortie : 0 quand toutes les actions s'appliquent, 1 quand une échoue ou que\nla copie n'a pu être écrite, 2 pour un mauvais usage ou un script illisible.",
    ('CliText', 'quillwright-mod: cannot read %1: %2'):
        'quillwright-mod : impossible de lire %1 : %2',
    ('CliText', 'quillwright-mod: %1 is not text and is left out of the diff'):
        "quillwright-mod : %1 n'est pas du texte et reste hors du diff",
    ('CliText', 'Usage: quillwright-mod COMMAND [OPTIONS] ...\n\n  check    check scripts against the MOD template (as quillwright-check)\n  diff     show what scripts change in a forum, as a unified diff\n  install  write a copy of a forum with the scripts installed\n\nquillwright-mod COMMAND --help says more of each.'):
        "Utilisation : quillwright-mod COMMANDE [OPTIONS] ...\n\n  check    vérifie des scripts selon le modèle MOD (comme quillwright-check)\n  diff     montre ce que des scripts changent dans un forum, en diff unifié\n  install  écrit une copie d'un forum avec les scripts installés\n\nquillwright-mod COMMANDE --help en dit plus sur chacune.",
    ('CliText', 'quillwright-mod: %1 is not a command'):
        "quillwright-mod : %1 n'est pas une commande",
    ('Install', "No folder was given for the forum's copy."):
        "Aucun dossier n'a été donné pour la copie du forum.",
    ('Install', "%1 is the forum's folder or a folder inside it: the copy goes elsewhere, so that the forum stays as it is."):
        "%1 est le dossier du forum ou un dossier qu'il contient : la copie va ailleurs, pour que le forum reste tel quel.",
    ('Install', '%1 is a file, not a folder.'):
        '%1 est un fichier, pas un dossier.',
    ('Install', '%1 is not empty: the copy goes into a new or empty folder.'):
        "%1 n'est pas vide : la copie va dans un dossier nouveau ou vide.",
    ('Install', 'The folder %1 cannot be made.'):
        'Le dossier %1 ne peut pas être créé.',
    ('Install', 'No folder can be made beside %1: %2'):
        'Aucun dossier ne peut être créé à côté de %1 : %2',
    ('Install', 'Cancelled: nothing was written.'):
        "Annulé : rien n'a été écrit.",
    ('Install', "%1 lies outside the forum's folder: nothing was written."):
        "%1 est hors du dossier du forum : rien n'a été écrit.",
    ('Install', '%1 could not be written: %2'):
        "%1 n'a pas pu être écrit : %2",
    ('Install', '%1 could not be replaced.'):
        "%1 n'a pas pu être remplacé.",
    ('Install', 'The copy could not be moved to %1.'):
        "La copie n'a pas pu être placée dans %1.",
    ('Install', 'to do by hand: %1'):
        'à faire à la main : %1',
    ('Install', '; it matches the forum as it was before: it conflicts with %1, action at line %2'):
        " ; il trouve le forum tel qu'il était avant : conflit avec %1, action de la ligne %2",
    ('Install', 'FIND matches nothing in %1 from line %2'):
        'FIND ne trouve rien dans %1 à partir de la ligne %2',
    ('Install', 'IN-LINE FIND matches nothing in the lines the FIND above found in %1'):
        'IN-LINE FIND ne trouve rien dans les lignes trouvées par le FIND précédent dans %1',
    ('Install', 'INCREMENT finds no number {%:%1} in the lines found in %2'):
        'INCREMENT ne trouve pas de nombre {%:%1} dans les lignes trouvées dans %2',
    ('Install', "COPY to %1 is refused: only paths inside the forum's folder are written"):
        'COPY vers %1 est refusé : seuls les chemins du dossier du forum sont écrits',
    ('Checker', "OPEN %1 is refused: only files inside the forum's folder are changed"):
        'OPEN %1 est refusé : seuls les fichiers du dossier du forum sont modifiés',
    ('Checker', "OPEN %1 is refused: it leads outside the forum's folder"):
        'OPEN %1 est refusé : il mène hors du dossier du forum',
    ('Checker', '%1 is not a text file'):
        "%1 n'est pas un fichier texte",
    ('Install', '%1 has no FIND before it in %2'):
        "%1 n'a pas de FIND avant lui dans %2",
    ('Install', '%1 has no IN-LINE FIND before it'):
        "%1 n'a pas de IN-LINE FIND avant lui",
    ('InstallMenuCommands', '&Preview Installation...'):
        "&Aperçu de l'installation...",
    ('InstallMenuCommands', '&Install into Folder...'):
        '&Installer dans un dossier...',
    ('InstallMenuCommands', 'Install into Folder'):
        'Installer dans un dossier',
    ('InstallMenuCommands', "Writing the forum's copy into %1..."):
        'Écriture de la copie du forum dans %1...',
    ('InstallMenuCommands', "The forum's copy was not written.\n\n%1"):
        "La copie du forum n'a pas été écrite.\n\n%1",
    ('InstallMenuCommands', 'Every action applied; nothing is left to do by hand.'):
        'Toutes les actions se sont appliquées ; rien ne reste à faire à la main.',
    ('InstallMenuCommands', 'The forum with %1 installed is in %2: %3.\n\n%4'):
        'Le forum avec %1 installé est dans %2 : %3.\n\n%4',
    ('InstallMenuCommands', 'The report is in %1.'):
        'Le rapport est dans %1.',
    ('InstallMenuCommands', 'The report could not be written to %1: %2'):
        "Le rapport n'a pas pu être écrit dans %1 : %2",
    ('InstallMenuCommands', '%1 is installed into %2: %3.'):
        '%1 est installé dans %2 : %3.',
    ('InstallMenuCommands', 'The forum to install into'):
        'Le forum où installer',
    ('InstallMenuCommands', 'It was chosen for the script in %1: change it if this script is for another forum.'):
        'Il a été choisi pour le script de %1 : changez-le si ce script est pour un autre forum.',
    ('InstallMenuCommands', 'The preview installs into the forum in %1. %2'):
        "L'aperçu installe dans le forum de %1. %2",
    ('InstallPreview', 'Install into Folder...'):
        'Installer dans un dossier...',
    ('InstallPreview', 'Preview Installation'):
        "Aperçu de l'installation",
    ('InstallPreview', 'Files the script changes'):
        'Fichiers que le script modifie',
    ('InstallPreview', 'File'):
        'Fichier',
    ('InstallPreview', 'Result'):
        'Résultat',
    ('InstallPreview', 'Changes to the chosen file'):
        'Modifications du fichier choisi',
    ('InstallPreview', 'Left to do by hand'):
        'Reste à faire à la main',
    ('InstallPreview', 'Close'):
        'Fermer',
    ('InstallPreview', 'Left to do by hand:'):
        'Reste à faire à la main :',
    ('InstallPreview', 'No script is open.'):
        "Aucun script n'est ouvert.",
    ('InstallPreview', 'failed'):
        'en échec',
    ('InstallPreview', 'changed'):
        'modifié',
    ('InstallPreview', 'unchanged'):
        'inchangé',
    ('InstallPreview', 'line %1: %2'):
        'ligne %1 : %2',
    ('InstallPreview', 'line %1, %2: %3'):
        'ligne %1, %2 : %3',
    ('InstallPreview', '%1. Nothing is written until you install into a folder.'):
        "%1. Rien n'est écrit tant que vous n'installez pas dans un dossier.",
    ('InstallPreview', 'Preview Installation - %1'):
        "Aperçu de l'installation - %1",
    ('InstallPreview', 'Change &Forum...'):
        'Changer de &forum...',
    ('InstallPreview', 'Forum: %1'):
        'Forum : %1',
    ('InstallPreview', 'No forum is chosen: Change Forum chooses one.'):
        "Aucun forum n'est choisi : Changer de forum en choisit un.",
    ('InstallPreview', 'Why it failed'):
        "Raison de l'échec",
    ('InstallPreview', '&Copy'):
        '&Copier',
    ('InstallPreview', 'line %1: '):
        'ligne %1 : ',
    ('InstallPreview', '%1, line %2: '):
        '%1, ligne %2 : ',
    ('InstallPreview', 'line %1, %2:'):
        'ligne %1, %2 :',
    ('InstallPreview', 'No change to %1.'):
        'Aucune modification de %1.',
    ('InstallPreview', '%1 is copied as it is (not text).'):
        '%1 est copié tel quel (pas du texte).',
    ('PreviewDiff', '@@ from line %1 @@'):
        '@@ depuis la ligne %1 @@',
    ('PreviewDiff', 'Changes from line %1'):
        'Modifications depuis la ligne %1',
    ('PreviewDiff', 'Unchanged, line %1, line %2 once installed'):
        'Inchangée, ligne %1, ligne %2 une fois installé',
    ('PreviewDiff', 'Removed, line %1'):
        'Supprimée, ligne %1',
    ('PreviewDiff', 'Added, line %1 once installed'):
        'Ajoutée, ligne %1 une fois installé',
    ("RecoveryJournal", "binary, not a script"): "binaire, pas un script",
    ("ScriptFile", "You may not change this file: it belongs to another user, or its permissions let no one write it. Save the script under another name."):
        "Vous ne pouvez pas modifier ce fichier : il appartient à un autre utilisateur, ou ses droits "
        "ne permettent à personne de l'écrire. Enregistrez le script sous un autre nom.",
    ("CommandLine", "Usage: quillwright [--forum DIR] [FILE]\n"
                    "       quillwright --help | --version\n"
                    "\n"
                    "Edits phpBB2 MOD scripts. FILE is opened at start-up; every argument\n"
                    "is part of its name, so a name with blanks needs no quotes.\n"
                    "\n"
                    "  --forum DIR  check every FIND against the forum's files in DIR\n"
                    "  --help       show this text and exit\n"
                    "  --version    show the version and exit\n"):
        "Utilisation : quillwright [--forum DOSSIER] [FICHIER]\n"
        "              quillwright --help | --version\n"
        "\n"
        "Modifie des scripts MOD de phpBB2. FICHIER est ouvert au démarrage ; chaque\n"
        "argument fait partie de son nom : un nom avec des blancs se passe de guillemets.\n"
        "\n"
        "  --forum DOSSIER  essaie chaque FIND sur les fichiers du forum dans DOSSIER\n"
        "  --help           affiche ce texte et quitte\n"
        "  --version        affiche la version et quitte\n",
    ("DiskChangeBar", "Reload"): "Recharger",
    ("DiskChangeBar", "Save"): "Enregistrer",
    ("DiskChangeBar", "Keep Mine"): "Garder la mienne",
    ("DiskChangeBar", "Close"): "Fermer",
    ("DiskChangeBar", "The file %1 was deleted from disk. Save it again?"):
        "Le fichier %1 a été supprimé du disque. L'enregistrer de nouveau ?",
    ("DiskChangeBar", "The file %1 was changed on disk by another program."):
        "Le fichier %1 a été modifié sur le disque par un autre programme.",
    ("DocumentFile", "The file %1 was deleted from disk. Save it again?"):
        "Le fichier %1 a été supprimé du disque. L'enregistrer de nouveau ?",
    ("DocumentFile", "%1 was deleted from disk."): "%1 a été supprimé du disque.",
    ("DocumentFile", "%1 has changed on disk since it was opened."):
        "%1 a été modifié sur le disque depuis son ouverture.",
    ("DocumentFile", "Read %1 again from disk? The changes made here since it was last saved are lost."):
        "Relire %1 depuis le disque ? Les modifications faites ici depuis le dernier enregistrement seront perdues.",
    ("StatusFields", "The encoding the script is saved in: a click chooses it for the next save"):
        "L'encodage dans lequel le script est enregistré : un clic le choisit pour le prochain enregistrement",
    ("SaveScript", "Save"): "Enregistrer",
    ("SaveScript", "Save as UTF-8"): "Enregistrer en UTF-8",
    ("SaveScript", "Cancel"): "Annuler",
    ("FindBar", "The pattern is too complex for this text."):
        "Le motif est trop complexe pour ce texte.",
    ("FindBar", "%n match"): ("%n occurrence", "%n occurrences"),
    ("FindBar", "%n matches"): ("%n occurrence", "%n occurrences"),
    ("QRegularExpression", "missing closing parenthesis"): "parenthèse fermante manquante",
    ("QRegularExpression", "unmatched closing parenthesis"):
        "parenthèse fermante sans parenthèse ouvrante",
    ("QRegularExpression", "quantifier does not follow a repeatable item"):
        "le quantificateur ne suit pas un élément répétable",
    ("QRegularExpression", "syntax error in subpattern name (missing terminator?)"):
        "erreur de syntaxe dans le nom du sous-motif (terminaison manquante ?)",
    ("QRegularExpression", "two named subpatterns have the same name (PCRE2_DUPNAMES not set)"):
        "deux sous-motifs nommés portent le même nom",
    ("QRegularExpression", "unknown property after \\P or \\p"):
        "propriété inconnue après \\P ou \\p",
    ("EditMenuAdditions", "&Redo"): "&Rétablir",
    ("EditMenuAdditions", "&Find..."): "Rec&hercher...",
    ("EditMenuAdditions", "R&eplace..."): "R&emplacer...",
    ("EditMenuAdditions", "&Go to Line..."): "Aller à la &ligne...",
    ("EditMenuAdditions", "&Next Problem"): "Problème &suivant",
    ("EditMenuAdditions", "Pre&vious Problem"): "Problème &précédent",
    ("FileCommands", "The file %1 no longer exists. It is taken off the list of recent files."):
        "Le fichier %1 n'existe plus. Il est retiré de la liste des fichiers récents.",
    ("TextEncoding", "It is a binary file, not a MOD script."):
        "C'est un fichier binaire, pas un script MOD.",
    ("AuthorDialog", "Author Details"): "Détails sur l'auteur",
    ("AuthorDialog", "name:"): "nom :",
    ("AuthorDialog", "e-mail:"): "courriel :",
    ("AuthorDialog", "phpBB username:"): "nom d'utilisateur phpBB :",
    ("AuthorDialog", "your url:"): "votre site :",
    ("AuthorDialog", "OK"): "OK",
    ("AuthorDialog", "Cancel"): "Annuler",
    ("BrowserWindow", "This build of Quillwright has no web browser component."):
        "Cette version de Quillwright n'a pas de navigateur web.",
    ("BrowserWindow", "Working..."): "Chargement...",
    ("BrowserWindow", "The web browser component could not be loaded:\n%1"):
        "Le composant de navigation web n'a pas pu être chargé :\n%1",
    ("CommandsWindow", "action builder"): "constructeur d'actions",
    ("CommandsWindow", "empty box"): "vider la zone",
    ("CommandsWindow", "Kind of content"): "Type de contenu",
    ("CommandsWindow", "Add"): "Ajouter",
    ("DialogService", "Print"): "Imprimer",
    ("DialogService", "Page Setup"): "Mise en page",
    ("DocumentFile", "The file %1 has changed on disk since it was opened. Overwrite it?"):
        "Le fichier %1 a été modifié sur le disque depuis son ouverture. L'écraser ?",
    ("DocumentFile", "The file %1 is read-only: no one may write it. Save it anyway?"):
        "Le fichier %1 est en lecture seule : personne ne peut l'écrire. L'enregistrer quand même ?",
    ("DocumentWindow", "This change was not made.\n\n"): "Cette modification n'a pas été faite.\n\n",
    ("DocumentWindow", "Save changes"): "Enregistrer les modifications",
    ("DocumentWindow", "Would you like to Save any changes"): "Voulez-vous enregistrer les modifications",
    ("DocumentWindow", "Save"): "Enregistrer",
    ("FindBar", "Replace"): "Remplacer",
    ("FindBar", "Replace All"): "Tout remplacer",
    ("FindBar", "Match case"): "Respecter la casse",
    ("FindBar", "Whole words"): "Mots entiers",
    ("FindBar", "Regex"): "Expression rationnelle",
    ("FindBar", "In selection"): "Dans la sélection",
    ("FindBar", "Find"): "Rechercher",
    ("FindBar", "Replace with"): "Remplacer par",
    ("FindBar", "Replace the match and find the next (Alt+R)"):
        "Remplacer l'occurrence et chercher la suivante (Alt+R)",
    ("FindBar", "Replace every match as one change (Alt+A)"):
        "Remplacer toutes les occurrences en une seule modification (Alt+A)",
    ("FindBar", "The text looked for is a regular expression; \\1 in the replacement stands for its first group"):
        "Le texte cherché est une expression rationnelle ; \\1 dans le remplacement désigne son premier groupe",
    ("FindBar", "Previous"): "Précédent",
    ("FindBar", "The match before (Shift+F3)"): "L'occurrence précédente (Maj+F3)",
    ("FindBar", "Next"): "Suivant",
    ("FindBar", "The next match (F3)"): "L'occurrence suivante (F3)",
    ("FindBar", "Close"): "Fermer",
    ("FindBar", "Close the bar (Esc)"): "Fermer la barre (Échap)",
    ("FindBar", "Replace:"): "Remplacer :",
    ("FindBar", "Find:"): "Rechercher :",
    ("FindBar", "Continued from the top"): "Reprise au début",
    ("FindBar", "Continued from the bottom"): "Reprise à la fin",
    ("FindBar", "This change was not made."): "Cette modification n'a pas été faite.",
    ("FindBar", "%n replaced"): ("%n remplacée", "%n remplacées"),
    ("FindBar", "Not a regular expression: %1"): "Expression rationnelle incorrecte : %1",
    ("FindBar", "Not found"): "Introuvable",
    ("FindBar", "%1 of %2"): "%1 sur %2",
    ("FindBar", "%1 matches"): "%1 occurrences",
    ("GoToLineBar", "Line number"): "Numéro de ligne",
    ("GoToLineBar", "Go to line:"): "Aller à la ligne :",
    ("GoToLineBar", "Go"): "Aller",
    ("GoToLineBar", "of %1"): "sur %1",
    ("DialogCommands", "No script is open: open or create one to add the action to."):
        "Aucun script n'est ouvert : ouvrez-en ou créez-en un pour y ajouter l'action.",
    ("EditCommands", "The clipboard was not pasted.\n\n"): "Le presse-papiers n'a pas été collé.\n\n",
    ("MainToolBar", "Add 'Find' button code."): "Ajouter le code du bouton « Rechercher ».",
    ("FileCommands", "Opening %1..."): "Ouverture de %1...",
    ("FileCommands", "Could not open %1.\n\n%2"): "Impossible d'ouvrir %1.\n\n%2",
    ("FileCommands", "Showing %1..."): "Affichage de %1...",
    ("FileCommands", "Open"): "Ouvrir",
    ("FileCommands", "Save"): "Enregistrer",
    ("FileCommands", "Save As"): "Enregistrer sous",
    ("Frame", "Add '%1' code."): "Ajouter le code de « %1 ».",
    ("MainWindow", "No more document windows can be numbered."):
        "Plus aucune fenêtre de document ne peut être numérotée.",
    ("MainWindow", "%1 has changed on disk since it was opened."):
        "%1 a été modifié sur le disque depuis son ouverture.",
    ("MainWindow", "Document %1"): "Document %1",
    ("MainToolBar", "Undo"): "Annuler",
    ("MainToolBar", "one undo level"): "annuler un niveau",
    ("MainToolBar", "two undo levels"): "annuler deux niveaux",
    ("MainToolBar", "three undo levels"): "annuler trois niveaux",
    ("StatusFields", "Status"): "État",
    ("MainWindow", "The encoding the script is saved in"): "L'encodage dans lequel le script est enregistré",
    ("SessionCommands", "Quillwright ended without saving this work:\n\n%1\n\nRecover opens each in a window of its own; Discard deletes it."):
        "Quillwright s'est arrêté sans enregistrer ce travail :\n\n%1\n\nRécupérer ouvre chacun dans sa propre fenêtre ; Abandonner le supprime.",
    ("SessionCommands", "These recovery files cannot be read and are kept with the ending \".damaged\":\n\n%1"):
        "Ces fichiers de récupération sont illisibles et sont conservés avec l'extension « .damaged » :\n\n%1",
    ("SessionCommands", "Recover"): "Récupérer",
    ("SessionCommands", "Discard"): "Abandonner",
    ("OptionsDialog", "Options"): "Options",
    ("OptionsDialog", "General"): "Général",
    ("OptionsDialog", "Option pages"): "Pages d'options",
    ("OptionsDialog", "Mod Source"): "Source du MOD",
    ("OptionsDialog", "Colour Coding"): "Coloration",
    ("OptionsDialog", "Compatibility"): "Compatibilité",
    ("OptionsDialog", "Fonts"): "Polices",
    ("OptionsDialog", "Sample 2"): "Exemple 2",
    ("OptionsDialog", "Sample 3"): "Exemple 3",
    ("OptionsDialog", "Sample 4"): "Exemple 4",
    ("OptionsDialog", "OK"): "OK",
    ("OptionsDialog", "Cancel"): "Annuler",
    ("OptionsDialog", "&Apply"): "&Appliquer",
    ("PropertiesDialog", "Properties"): "Propriétés",
    ("PropertiesDialog", "Installation level"): "Niveau d'installation",
    ("PropertiesDialog", "Author details"): "Détails sur l'auteur",
    ("PropertiesDialog", "Choose the installation level"): "Choisir le niveau d'installation",
    ("OptionsDialog", "Font"): "Police",
    ("CommandsWindow", "Keywords"): "Mots-clés",
    ("CommandsWindow", "Text of the action"): "Texte de l'action",
    ("CommandsWindow", "Files of the forum"): "Fichiers du forum",
    ("DocumentWindow", "Script"): "Script",
    ("DocumentWindow", "Outline of the script"): "Plan du script",
    ("PropertiesDialog", "Title:"): "Titre :",
    ("PropertiesDialog", "Version:"): "Version :",
    ("PropertiesDialog", "Author:"): "Auteur :",
    ("PropertiesDialog", "Description:"): "Description :",
    ("PropertiesDialog", "Installation level:"): "Niveau d'installation :",
    ("PropertiesDialog", "Installation time:"): "Durée d'installation :",
    ("PropertiesDialog", "Author Notes:"): "Notes de l'auteur :",
    ("PropertiesDialog", "OK"): "OK",
    ("PropertiesDialog", "Cancel"): "Annuler",
    ("PropertiesDialog", "Apply"): "Appliquer",
    ("QObject", "Line numbers"): "Numéros de ligne",
    ("RecoveryJournal", "too large"): "trop grand",
    ("RecoveryJournal", "empty"): "vide",
    ("RecoveryJournal", "not a recovery file"): "pas un fichier de récupération",
    ("RecoveryJournal", "cut short (%1 of %2 bytes)"): "tronqué (%1 octets sur %2)",
    ("RecoveryJournal", "damaged"): "endommagé",
    ("RecoveryJournal", "not valid text"): "texte non valide",
    ("SaveScript", "%1 contains %2 character(s) that a MOD script file cannot hold (Windows-1252), the first on line %3.\n\nSave anyway, writing \"?\" in their place?"):
        "%1 contient %2 caractère(s) qu'un fichier de script MOD ne peut pas contenir (Windows-1252), le premier à la ligne %3.\n\nEnregistrer quand même, en écrivant « ? » à leur place ?",
    ("SaveScript", "Could not save %1.\n\n%2"): "Impossible d'enregistrer %1.\n\n%2",
    ("SaveScript", "%1 already exists.\nDo you want to replace it?"): "%1 existe déjà.\nVoulez-vous le remplacer ?",
    ("ScriptFile", "It is not a regular file."): "Ce n'est pas un fichier ordinaire.",
    ("ScriptFile", "No file name was given."): "Aucun nom de fichier n'a été donné.",
    ("ScriptFile", "The file does not exist."): "Le fichier n'existe pas.",
    ("ScriptFile", "It is a folder, not a file."): "C'est un dossier, pas un fichier.",
    ("ScriptFile", "The file is %1 MB; scripts larger than %2 MB are not opened."):
        "Le fichier fait %1 Mo ; les scripts de plus de %2 Mo ne sont pas ouverts.",
    ("ScriptFile", "The file grew beyond %1 MB while it was read."):
        "Le fichier a dépassé %1 Mo pendant sa lecture.",
    ("ScriptFile", "Line %1 is %2 characters long; Quillwright takes lines of at most %3 characters."):
        "La ligne %1 fait %2 caractères ; Quillwright accepte des lignes d'au plus %3 caractères.",
    ("ScriptFile", "Line %1 would be %2 characters long; Quillwright takes lines of at most %3 characters."):
        "La ligne %1 ferait %2 caractères ; Quillwright accepte des lignes d'au plus %3 caractères.",
    ("ScriptFile", "The device does not take the text now."): "Le périphérique n'accepte pas le texte pour l'instant.",
    ("TextEncoding", "UTF-8 with BOM"): "UTF-8 avec BOM",
    ("TextEncoding", "It is encoded as UTF-16, which Quillwright cannot edit; save it as UTF-8 or Windows-1252 first."):
        "Il est encodé en UTF-16, que Quillwright ne peut pas modifier ; enregistrez-le d'abord en UTF-8 ou en Windows-1252.",
    ("TipWindow", "Tip of the Day"): "Astuce du jour",
    ("TipWindow", "OK"): "OK",
    ("TipWindow", "&Next Tip"): "Astuce &suivante",
    ("TipWindow", "&Show Tips at Startup"): "&Afficher les astuces au démarrage",
    ("TipWindow", "Did you know..."): "Le saviez-vous...",
    ("Tips", "That the %1 file was not found? "): "Que le fichier %1 est introuvable ? ",
    ("Tips", "Create a text file named %1 using NotePad with 1 tip per line. Then place it in the same directory as the application. "):
        "Créez un fichier texte nommé %1 avec le Bloc-notes, une astuce par ligne. Placez-le ensuite dans le même dossier que l'application. ",
    ("Checker", "No problems"): "Aucun problème",
    ("Checker", "1 error"): "1 erreur",
    ("Checker", "%1 errors"): "%1 erreurs",
    ("Checker", "1 warning"): "1 avertissement",
    ("Checker", "%1 warnings"): "%1 avertissements",
    ("Checker", "1 note"): "1 remarque",
    ("Checker", "%1 notes"): "%1 remarques",
    ("Checker", "The forum has no %1 (a language or template installed apart)"):
        "Le forum n'a pas de %1 (une langue ou un modèle installé à part)",
    ("Checker", "The forum has no %1"): "Le forum n'a pas de %1",
    ("Checker", "FIND matches nothing in %1 from line %2"):
        "FIND ne trouve rien dans %1 à partir de la ligne %2",
    ("Checker", "; it matches earlier, at line %1"): " ; il trouve plus haut, à la ligne %1",
    ("Checker", "IN-LINE FIND matches nothing in the lines the FIND above found in %1"):
        "IN-LINE FIND ne trouve rien dans les lignes que le FIND précédent a trouvées dans %1",
    ("Checker", "\"%1\" is given more than once"): "« %1 » est donné plus d'une fois",
    ("Checker", "The header has no \"## %1:\" line"): "L'en-tête n'a pas de ligne « ## %1: »",
    ("Checker", "\"%1\" is empty"): "« %1 » est vide",
    ("Checker", "The version \"%1\" is not in the form 1.2.3 (a letter may follow)"):
        "La version « %1 » n'est pas de la forme 1.2.3 (une lettre peut suivre)",
    ("Checker", "The installation level \"%1\" is not one of Easy, Intermediate, Advanced"):
        "Le niveau d'installation « %1 » n'est pas Easy, Intermediate ou Advanced",
    ("Checker", "The author line is not in the form \"name < e-mail > (real name) web site\""):
        "La ligne de l'auteur n'est pas de la forme « nom < courriel > (vrai nom) site web »",
    ("Checker", "The header has no security notice (\"For Security Purposes, Please Check: ...\")"):
        "L'en-tête n'a pas l'avis de sécurité (« For Security Purposes, Please Check: ... »)",
    ("Checker", "The header does not tell the reader to back up the files the MOD changes"):
        "L'en-tête ne demande pas de sauvegarder les fichiers que le MOD modifie",
    ("Checker", "\"Files To Edit\" does not list %1, which the script opens"):
        "« Files To Edit » ne cite pas %1, que le script ouvre",
    ("Checker", "\"Files To Edit\" lists %1, which no OPEN opens"):
        "« Files To Edit » cite %1, qu'aucun OPEN n'ouvre",
    ("Checker", "\"Included Files\" does not list %1, which the script copies"):
        "« Included Files » ne cite pas %1, que le script copie",
    ("Checker", "\"Included Files\" lists %1, which no COPY copies"):
        "« Included Files » cite %1, qu'aucun COPY ne copie",
    ("Checker", "\"%1\" is not a keyword that installers know"):
        "« %1 » n'est pas un mot-clé que les installeurs connaissent",
    ("Checker", "The banner is not written as \"#-----[ %1 ]---\""):
        "La bannière n'est pas écrite « #-----[ %1 ]--- »",
    ("Checker", "The banner has no \"#\" line after it"): "La bannière n'est pas suivie d'une ligne « # »",
    ("Checker", "The banner has no \"#\" line before it; the outline does not see it"):
        "La bannière n'est pas précédée d'une ligne « # » ; le plan ne la voit pas",
    ("Checker", "The %1 block has nothing in it"): "Le bloc %1 est vide",
    ("Checker", "Nothing is done to the file this OPEN opens"):
        "Rien n'est fait au fichier que cet OPEN ouvre",
    ("Checker", "FIND before any OPEN: installers do not know which file to look in"):
        "FIND avant tout OPEN : les installeurs ne savent pas dans quel fichier chercher",
    ("Checker", "IN-LINE FIND before any OPEN"): "IN-LINE FIND avant tout OPEN",
    ("Checker", "IN-LINE FIND without a FIND before it in this file"):
        "IN-LINE FIND sans FIND avant lui dans ce fichier",
    ("Checker", "%1 before any OPEN"): "%1 avant tout OPEN",
    ("Checker", "%1 without a FIND before it in this file"): "%1 sans FIND avant lui dans ce fichier",
    ("Checker", "%1 without an IN-LINE FIND before it in this file"):
        "%1 sans IN-LINE FIND avant lui dans ce fichier",
    ("Checker", "The script does not end with \"# EoM\""): "Le script ne finit pas par « # EoM »",
    ("Checker", "\"# EoM\" without a SAVE/CLOSE ALL FILES block before it"):
        "« # EoM » sans bloc SAVE/CLOSE ALL FILES avant lui",
    ("Checker", "Text after \"# EoM\": installers stop reading there"):
        "Texte après « # EoM » : les installeurs s'arrêtent de lire là",
    ("Checker", "A MOD script file cannot hold this character: saving writes \"?\""):
        "Un fichier de script MOD ne peut pas contenir ce caractère : l'enregistrement écrit « ? »",
    ("CheckerForum", "Check against forum files"): "Vérifier avec les fichiers du forum",
    ("StatusFields", "Check against forum files..."): "Vérifier avec les fichiers du forum...",
    ("StatusFields", "The script checker's findings: a click or F8 goes to the next (Shift+F8 the one before)"):
        "Les constats du vérificateur : un clic ou F8 va au suivant (Maj+F8 au précédent)",
    ('Checker', 'OPEN names no file to open'):
        "OPEN ne nomme aucun fichier à ouvrir",
    ('Checker', 'FIND has no line to look for in %1'):
        "FIND n'a aucune ligne à chercher dans %1",
    ('Checker', "A COPY takes a file from outside the MOD's package (installing)"):
        "Un COPY prend un fichier hors du paquet du MOD (installation)",
    ('Checker', 'The script has no action an installer can read (installing)'):
        "Le script n'a aucune action qu'un installateur sache lire (installation)",
    ('CliText', 'the archive has no %1; its MOD scripts: %2'):
        "l'archive n'a pas de %1 ; ses scripts MOD : %2",
    ('CliText', 'none'):
        'aucun',
    ('CliText', 'the archive holds no MOD script'):
        "l'archive ne contient aucun script MOD",
    ('CliText', 'the archive holds several MOD scripts: %1; name one with --script NAME'):
        "l'archive contient plusieurs scripts MOD : %1 ; nommez-en un avec --script NOM",
    ('CliText', "%1 needs a script's name"):
        "%1 demande le nom d'un script",
    ('Install', 'the script\'s title, "%1", says it changes phpBB\'s own code: the forum must be at phpBB %2 first'):
        "le titre du script, « %1 », dit qu'il change le code de phpBB lui-même : le forum doit d'abord être en phpBB %2",
    ('Install', 'the script\'s title, "%1", says it is an upgrade, an add-on or an update: it needs that MOD (or its earlier version) installed first'):
        "le titre du script, « %1 », dit que c'est une mise à jour ou un complément : il faut d'abord installer ce MOD (ou sa version précédente)",
    ('Install', "the script's name, %1, says it is an upgrade, an add-on or an update: it needs that MOD (or its earlier version) installed first"):
        "le nom du script, %1, dit que c'est une mise à jour ou un complément : il faut d'abord installer ce MOD (ou sa version précédente)",
    ('Install', '%1 (line %2)'):
        '%1 (ligne %2)',
    ('Install', ', and %n more'):
        (', et %n autre', ', et %n autres'),
    ('Install', 'skipped with it: %1'):
        'sautés avec lui : %1',
    ('Install', '%1 could not be copied: %2'):
        "%1 n'a pas pu être copié : %2",
    ('Install', 'to do by hand, the lines below as the script writes them:'):
        "à faire à la main, les lignes ci-dessous telles que le script les écrit :",
    ('Install', '%1, %2; %3; %4'):
        '%1, %2 ; %3 ; %4',
    ('Install', '%n action applied'):
        ('%n action appliquée', '%n actions appliquées'),
    ('Install', '%n actions applied'):
        ('%n action appliquée', '%n actions appliquées'),
    ('Install', '%n failed'):
        ('%n en échec', '%n en échec'),
    ('Install', '%n file changed'):
        ('%n fichier modifié', '%n fichiers modifiés'),
    ('Install', '%n files changed'):
        ('%n fichier modifié', '%n fichiers modifiés'),
    ('Install', '%n thing left to do by hand'):
        ('%n chose à faire à la main', '%n choses à faire à la main'),
    ('Install', '%n things left to do by hand'):
        ('%n chose à faire à la main', '%n choses à faire à la main'),
    ('Install', 'FIND has no line to look for in %1'):
        "FIND n'a aucune ligne à chercher dans %1",
    ('Install', "the FIND's first line: %1"):
        'la première ligne du FIND : %1',
    ('Install', 'the whole FIND stands here, above line %1 where the FIND before it left off'):
        "tout le FIND se trouve ici, au-dessus de la ligne %1 où le FIND précédent s'est arrêté",
    ('Install', "%1 of the FIND's %2 lines stand here, in that order, to line %3: compare them with the script's"):
        '%1 des %2 lignes du FIND se trouvent ici, dans cet ordre, jusqu\'à la ligne %3 : comparez-les à celles du script',
    ('Install', 'IN-LINE FIND has nothing to look for'):
        "IN-LINE FIND n'a rien à chercher",
    ('Install', 'the fragment: %1'):
        'le fragment : %1',
    ('Install', "COPY from %1 is refused: only files inside the MOD's package are copied"):
        'COPY depuis %1 est refusé : seuls les fichiers du paquet du MOD sont copiés',
    ('Install', '%1 is not beside the script: it is copied from %2, in the package'):
        "%1 n'est pas à côté du script : il est copié depuis %2, dans le paquet",
    ('Install', '%1 is not a keyword installers know: the block is left out'):
        "%1 n'est pas un mot-clé que les installateurs connaissent : le bloc est laissé de côté",
    ('Install', 'did you mean %1?'):
        'vouliez-vous dire %1 ?',
    ('Install', 'The script has no action an installer can read: no "#-----[ KEYWORD ]" banner before its end'):
        "Le script n'a aucune action qu'un installateur sache lire : aucune bannière « #-----[ MOT-CLÉ ] » avant sa fin",
    ('Install', "The script has no action an installer can read: no banner's keyword is one installers know"):
        "Le script n'a aucune action qu'un installateur sache lire : aucun mot-clé de ses bannières n'est connu des installateurs",
    ('Install', '%1 comes before any OPEN: there is no file to change'):
        "%1 vient avant tout OPEN : il n'y a aucun fichier à modifier",
    ('ModArchive', 'It holds more than %1 entries: it is refused, as an archive made to fill a disk would be'):
        "Elle contient plus de %1 entrées : elle est refusée, comme le serait une archive faite pour remplir un disque",
    ('ModArchive', "Its entry %1 leads outside the archive's folder: the archive is refused"):
        "Son entrée %1 mène hors du dossier de l'archive : l'archive est refusée",
    ('ModArchive', 'Its entry %1 is a link: the archive is refused, since a link could lead anywhere'):
        "Son entrée %1 est un lien : l'archive est refusée, car un lien pourrait mener n'importe où",
    ('ModArchive', 'Its entry %1 is not a file or a folder: the archive is refused'):
        "Son entrée %1 n'est ni un fichier ni un dossier : l'archive est refusée",
    ('ModArchive', 'Its entry %1 unpacks to more than %2 MB: the archive is refused'):
        "Son entrée %1 se décompresse en plus de %2 Mo : l'archive est refusée",
    ('ModArchive', 'It unpacks to far more than its own size: it is refused, as an archive made to fill a disk would be'):
        "Elle se décompresse en bien plus que sa propre taille : elle est refusée, comme le serait une archive faite pour remplir un disque",
    ('ModArchive', 'Its entry %1 cannot be unpacked: %2'):
        'Son entrée %1 ne peut pas être décompressée : %2',
    ('ModArchive', 'It is not a zip archive that can be read: %1'):
        "Ce n'est pas une archive zip lisible : %1",
    ('Install', 'its keywords are %1: installers read the English ones (OPEN, FIND, AFTER, ADD ...), even in a translated script'):
        "ses mots-clés sont %1 : les installateurs lisent les mots anglais (OPEN, FIND, AFTER, ADD ...), même dans un script traduit",
    ('Checker', 'The label "%1" is written in a form of its own: the template writes "%2:"'):
        "L'étiquette « %1 » est écrite à sa façon : le modèle écrit « %2: »",
    ('Checker', 'The header\'s labels are not the template\'s English ones (%1): readers and tools look for "## MOD Title:" and the others'):
        "Les étiquettes de l'en-tête ne sont pas celles, anglaises, du modèle (%1) : lecteurs et outils cherchent « ## MOD Title: » et les autres",
    ('Checker', 'The script has no MOD header ("## MOD Title:" and the other labels)'):
        "Le script n'a pas d'en-tête MOD (« ## MOD Title: » et les autres étiquettes)",
    ('Checker', 'The title is still the placeholder "%1"'):
        "Le titre est encore le texte à remplacer « %1 »",
    ('Checker', 'The author line is still the placeholder'):
        "La ligne de l'auteur est encore le texte à remplacer",
    ('Checker', 'The version is still the placeholder "%1"'):
        "La version est encore le texte à remplacer « %1 »",
    ('Checker', 'The description is still the placeholder "%1"'):
        "La description est encore le texte à remplacer « %1 »",
    ('Checker', 'The header has no "## Files To Edit:" line'):
        "L'en-tête n'a pas de ligne « ## Files To Edit: »",
    ('Checker', 'The header has no "## Files To Edit:" line; the script opens %1'):
        "L'en-tête n'a pas de ligne « ## Files To Edit: » ; le script ouvre %1",
    ('Checker', '"Files To Edit" gives a count (%1), not the files: %2'):
        "« Files To Edit » donne un nombre (%1), pas les fichiers : %2",
    ('Checker', '"Files To Edit" says there are none, but the script opens %1'):
        "« Files To Edit » dit qu'il n'y en a aucun, mais le script ouvre %1",
    ('Checker', '"Files To Edit" is empty, but the script opens %1'):
        "« Files To Edit » est vide, mais le script ouvre %1",
    ('Checker', '"Files To Edit" says %1 but names %n file(s)'):
        ("« Files To Edit » dit %1 mais nomme %n fichier", "« Files To Edit » dit %1 mais nomme %n fichiers"),
    ('Checker', '"Files To Edit" lists files, but the script opens none'):
        "« Files To Edit » nomme des fichiers, mais le script n'en ouvre aucun",
    ('Checker', '"Files To Edit" writes %1 where the script opens %2'):
        "« Files To Edit » écrit %1 là où le script ouvre %2",
    ('Checker', 'The header has no "## Included Files:" line'):
        "L'en-tête n'a pas de ligne « ## Included Files: »",
    ('Checker', 'The header has no "## Included Files:" line; the script copies %1'):
        "L'en-tête n'a pas de ligne « ## Included Files: » ; le script copie %1",
    ('Checker', '"Included Files" gives a count (%1), not the files: %2'):
        "« Included Files » donne un nombre (%1), pas les fichiers : %2",
    ('Checker', '"Included Files" says there are none, but the script copies %1'):
        "« Included Files » dit qu'il n'y en a aucun, mais le script copie %1",
    ('Checker', '"Included Files" is empty, but the script copies %1'):
        "« Included Files » est vide, mais le script copie %1",
    ('Checker', '"Included Files" says %1 but names %n file(s)'):
        ("« Included Files » dit %1 mais nomme %n fichier", "« Included Files » dit %1 mais nomme %n fichiers"),
    ('Checker', 'The header lacks a field the template has, or the script has no MOD header (a note for a list of files the script does not need)'):
        "L'en-tête n'a pas un champ du modèle, ou le script n'a pas d'en-tête MOD (une remarque pour une liste de fichiers dont le script n'a pas besoin)",
    ('Checker', 'A header label is written in a form of its own ("## Files To Edit (6):", "## File To Edit:")'):
        "Une étiquette de l'en-tête est écrite à sa façon (« ## Files To Edit (6): », « ## File To Edit: »)",
    ('Checker', 'A header field still holds a placeholder (version "x.x.x", the author or title to fill in)'):
        "Un champ de l'en-tête garde un texte à remplacer (la version « x.x.x », l'auteur ou le titre à remplir)",
    ('Checker', "The version is not in the form 1.2.3 (a letter may follow): an upgrade's range, a suffix or a note"):
        "La version n'est pas de la forme 1.2.3 (une lettre peut suivre) : l'intervalle d'une mise à jour, un suffixe ou une note",
    ('Checker', "The installation level is none of Easy, Intermediate, Advanced (or the dialog's easy, moderate, hard); a note for an older word"):
        "Le niveau d'installation n'est ni Easy, ni Intermediate, ni Advanced (ni easy, moderate, hard de la boîte de dialogue) ; une remarque pour un mot plus ancien",
    ('Checker', 'The header does not tell the reader to back up the files, in any language'):
        "L'en-tête ne dit pas de sauvegarder les fichiers, en aucune langue",
    ('Checker', '"Files To Edit" and the files the script opens differ (a note for a count that disagrees or stands for the list)'):
        "« Files To Edit » et les fichiers que le script ouvre diffèrent (une remarque pour un nombre qui ne s'accorde pas ou tient lieu de liste)",
    ('Checker', '"Included Files" and the files the script copies differ (a note for a count that disagrees or stands for the list)'):
        "« Included Files » et les fichiers que le script copie diffèrent (une remarque pour un nombre qui ne s'accorde pas ou tient lieu de liste)",
    ('Checker', "The script's action keywords are translated: installers read only the English ones (said once for the script)"):
        "Les mots-clés des actions du script sont traduits : les installeurs ne lisent que les anglais (dit une fois pour le script)",
    ('Checker', 'A banner is not written as "#-----[ KEYWORD ]---" with the keyword as the template spells it'):
        "Une bannière n'est pas écrite « #-----[ MOT-CLÉ ]--- » avec le mot-clé tel que le modèle l'écrit",
    ('Checker', 'A banner lacks its "#" line before or after it (the outline lists only banners with a "#" line above)'):
        "Une bannière n'a pas sa ligne « # » avant ou après elle (le plan ne montre que les bannières avec une ligne « # » au-dessus)",
    ('Checker', 'An action has nothing in it (an empty REPLACE WITH or IN-LINE REPLACE WITH deletes, and is fine)'):
        "Une action ne contient rien (un REPLACE WITH ou IN-LINE REPLACE WITH vide supprime, et c'est bien)",
    ('Checker', 'Text follows "# EoM", where installers stop reading'):
        "Du texte suit « # EoM », où les installeurs s'arrêtent de lire",
    ('Checker', 'The script holds a character its encoding cannot save'):
        "Le script contient un caractère que son codage ne peut pas enregistrer",
    ('Checker', 'The script is encoded in neither UTF-8 nor Windows-1252 (a Chinese, Cyrillic or Central European code page)'):
        "Le script n'est codé ni en UTF-8 ni en Windows-1252 (une page de code chinoise, cyrillique ou d'Europe centrale)",
    ('Checker', 'The file is a document that quotes parts of MOD scripts, not a script: it is not checked'):
        "Le fichier est un document qui cite des parties de scripts MOD, pas un script : il n'est pas vérifié",
    ('Checker', 'This reads as a document about MOD scripts (%n line(s) of text come before any header or action), not as a script: it is not checked'):
        ("Ceci se lit comme un document sur les scripts MOD (%n ligne de texte vient avant tout en-tête ou action), pas comme un script : il n'est pas vérifié",
         "Ceci se lit comme un document sur les scripts MOD (%n lignes de texte viennent avant tout en-tête ou action), pas comme un script : il n'est pas vérifié"),
    ('Checker', "The script's action keywords are not English (%1): installers read only the English keywords"):
        "Les mots-clés des actions du script ne sont pas anglais (%1) : les installeurs ne lisent que les mots-clés anglais",
    ('Checker', 'The banner has no "#" line before it: the outline lists only banners with a "#" line above them'):
        "La bannière n'a pas de ligne « # » avant elle : le plan ne montre que les bannières avec une ligne « # » au-dessus",
    ('Checker', 'The script\'s encoding, %1, cannot hold this character: saving writes "?"'):
        "Le codage du script, %1, ne peut pas contenir ce caractère : l'enregistrement écrit « ? »",
    ('Checker', 'The script is encoded as %1 (%2), not as UTF-8 or Windows-1252: installers and editors that expect those read its letters as other characters'):
        "Le script est codé en %1 (%2), pas en UTF-8 ni en Windows-1252 : les installeurs et les éditeurs qui attendent ceux-ci lisent ses lettres comme d'autres caractères",
    ('SaveScript', '%1 contains %2 character(s) that its encoding, %4, cannot hold, the first on line %3.\n\nSave anyway, writing "?" in their place?'):
        "%1 contient %2 caractère(s) que son codage, %4, ne peut pas contenir, le premier à la ligne %3.\n\nEnregistrer quand même, en écrivant « ? » à leur place ?",
    ('TextEncoding', 'Traditional Chinese'): "chinois traditionnel",
    ('TextEncoding', 'Simplified Chinese'): "chinois simplifié",
    ('TextEncoding', 'Cyrillic'): "cyrillique",
    ('TextEncoding', 'Central European'): "Europe centrale",
    ('TextEncoding', 'It is encoded as %1 (%2), not as UTF-8 or Windows-1252, which MOD installers expect: they read its letters as other characters. Quillwright shows its text as the author wrote it and saves it as %1 again.'):
        "Il est codé en %1 (%2), pas en UTF-8 ni en Windows-1252, qu'attendent les installeurs de MOD : ils lisent ses lettres comme d'autres caractères. Quillwright montre son texte tel que l'auteur l'a écrit et l'enregistre de nouveau en %1.",
    ('TextEncoding', 'Some of its bytes are no %1 character: saving it writes other bytes in their place.'):
        "Certains de ses octets ne sont aucun caractère %1 : l'enregistrer écrit d'autres octets à leur place.",
    ('CliText', "Usage: quillwright-mod write [-o OUT] [--name SCRIPT] [--title TEXT] ORIGINAL CHANGED\n       quillwright-mod write --upgrade OLD_SCRIPT NEW_SCRIPT --forum DIR [-o OUT]\n\nWrites the MOD package that turns the forum in ORIGINAL into the one in CHANGED:\na script with an OPEN and FIND and AFTER, ADD, BEFORE, ADD, REPLACE WITH or IN-LINE\nactions for each changed file, and beside it root/ with the files it copies (new\nfiles, pictures, files no action can change). It is written only after it is\nproven: installed on ORIGINAL it gives CHANGED back byte for byte.\n\nWith --upgrade, both scripts are installed on the forum in DIR (each with the\nfiles beside it, or in the zip archive it came in) and the package is the\nupgrade from the first to the second, its header taken from the second.\n\n  -o OUT         a new or empty folder for the package (the script is SCRIPT in\n                 it, install.mod unless --name says); a name ending in .zip\n                 writes the same package as a zip archive; one ending in .mod or\n                 .txt writes the script alone; none prints the script alone\n  --title TEXT   the MOD's title (else a placeholder to fill in)\n\nExit status: 0 when it installs back exactly, 1 when a file could not be said\nwith actions (copied whole), the script alone could not carry a file, or it does\nnot install back, each named on standard error; 2 for bad usage or when nothing\ncould be written."):
        "Utilisation : quillwright-mod write [-o SORTIE] [--name SCRIPT] [--title TEXTE] ORIGINAL MODIFIÉ\n       quillwright-mod write --upgrade ANCIEN_SCRIPT NOUVEAU_SCRIPT --forum DOSSIER [-o SORTIE]\n\nÉcrit le paquet MOD qui change le forum de ORIGINAL en celui de MODIFIÉ : un script\navec un OPEN et des actions FIND et AFTER, ADD, BEFORE, ADD, REPLACE WITH ou IN-LINE\npour chaque fichier modifié, et à côté root/ avec les fichiers qu'il copie (nouveaux\nfichiers, images, fichiers qu'aucune action ne peut changer). Il n'est écrit\nqu'après sa preuve : installé sur ORIGINAL, il redonne MODIFIÉ octet pour octet.\n\nAvec --upgrade, les deux scripts sont installés sur le forum de DOSSIER (chacun\navec les fichiers à côté de lui, ou dans l'archive zip d'où il vient) et le\npaquet est la mise à jour du premier vers le second, son en-tête pris du second.\n\n  -o SORTIE      un dossier nouveau ou vide pour le paquet (le script y est SCRIPT,\n                 install.mod sauf --name) ; un nom finissant par .zip écrit le\n                 même paquet en archive zip ; un nom finissant par .mod ou .txt\n                 écrit le script seul ; sans -o, le script seul est affiché\n  --title TEXTE  le titre du MOD (sinon un texte à remplacer)\n\nCode de sortie : 0 quand il redonne tout exactement, 1 quand un fichier n'a pu être\ndit en actions (copié entier), quand le script seul ne peut porter un fichier ou\nqu'il ne redonne pas tout, chacun nommé sur la sortie d'erreur ; 2 pour un mauvais\nusage ou quand rien n'a pu être écrit.",
    ("DocumentFile", "%1 is read-only: it is inside the archive %2. Save writes a copy of it elsewhere, which you can change."):
        "%1 est en lecture seule : il est dans l'archive %2. Enregistrer en écrit ailleurs une copie, que vous pouvez modifier.",
    ("FileCommands", "%1 is a copy of %2 from %3, which is left as it was: this copy can be changed."):
        "%1 est une copie de %2 de %3, qui reste tel quel : cette copie peut être modifiée.",
    ("FileCommands", "It is a zip archive with no MOD script in it."):
        "C'est une archive zip qui ne contient aucun script MOD.",
    ("FileCommands", "%1 holds several MOD scripts. Which one do you want to open?"):
        "%1 contient plusieurs scripts MOD. Lequel voulez-vous ouvrir ?",
    ("FileFilters", "MOD packages (*.zip)"): "Paquets MOD (*.zip)",
    ('ModArchive', "%1 is no path inside the archive's folder: nothing was written"):
        "%1 n'est pas un chemin dans le dossier de l'archive : rien n'a été écrit",
    ('ModArchive', '%1 is larger than %2 MB, more than an archive may hold: nothing was written'):
        "%1 dépasse %2 Mo, plus qu'une archive ne peut contenir : rien n'a été écrit",
    ('ModArchive', '%1 is named twice: nothing was written'):
        "%1 est nommé deux fois : rien n'a été écrit",
    ('ModArchive', 'It would hold more than %1 entries: nothing was written'):
        "Elle contiendrait plus de %1 entrées : rien n'a été écrit",
    ('ModArchive', 'It would unpack to more than %1 MB: nothing was written'):
        "Elle se décompresserait en plus de %1 Mo : rien n'a été écrit",
    ('ModArchive', 'It would be refused when read: %1'):
        "Elle serait refusée à la lecture : %1",
    ('Writer', 'No file was given for the package.'):
        "Aucun fichier n'a été donné pour le paquet.",
    ('Writer', '%1 is a folder, not a file.'):
        "%1 est un dossier, pas un fichier.",
    ('Writer', 'The package cannot be written as a zip: %1'):
        "Le paquet ne peut pas être écrit en zip : %1",
    ('Writer', 'Installed from the zip, the package does not give %1 as it was changed: nothing was written.'):
        "Installé depuis le zip, le paquet ne redonne pas %1 tel qu'il a été modifié : rien n'a été écrit.",
    ('Writer', 'the archive holds no MOD script'):
        "l'archive ne contient aucun script MOD",
    ('Writer', 'the archive holds several MOD scripts and none is named install: %1'):
        "l'archive contient plusieurs scripts MOD et aucun ne s'appelle install : %1",
    ('CliText', '%1 needs a value'):
        '%1 demande une valeur',
    ('CliText', '--upgrade needs the old and the new script'):
        "--upgrade demande l'ancien et le nouveau script",
    ('CliText', 'it needs the original forum and the changed one'):
        "il faut le forum d'origine et le forum modifié",
    ('CliText', '--upgrade needs --forum DIR, the forum both install on'):
        "--upgrade demande --forum DOSSIER, le forum où les deux s'installent",
    ('CliText', '--forum goes with --upgrade'):
        '--forum va avec --upgrade',
    ('CliText', '-o names a folder for the package, or a .mod or .txt file for the script alone'):
        '-o nomme un dossier pour le paquet, ou un fichier .mod ou .txt pour le script seul',
    ('CliText', "--name is the script's file name in the package, without a folder"):
        '--name est le nom du fichier du script dans le paquet, sans dossier',
    ('CliText', 'quillwright-mod write: what the new version leaves to do by hand is not part of the upgrade: add what it needs'):
        "quillwright-mod write : ce que la nouvelle version laisse à faire à la main n'est pas dans la mise à jour : ajoutez ce qu'il lui faut",
    ('CliText', '%1 could not be written: %2'):
        "%1 n'a pas pu être écrit : %2",
    ('CliText', '%1: only line ends differ: left alone'):
        '%1 : seules les fins de ligne diffèrent : laissé tel quel',
    ('CliText', '%1: the script alone cannot carry this file: it copies it from root/%1, which a package holds'):
        '%1 : le script seul ne peut porter ce fichier : il le copie depuis root/%1, que contient un paquet',
    ('WriteMenuCommands', 'New &Upgrade Script...'):
        'Nouveau script de &mise à jour...',
    ('WriteMenuCommands', "A folder for the MOD's package (the script and root/)"):
        'Un dossier pour le paquet du MOD (le script et root/)',
    ('WriteMenuCommands', '%1 holds files already. Write the package into it? Its %2 and root/ folder are replaced; its other files stay.'):
        '%1 contient déjà des fichiers. Y écrire le paquet ? Son %2 et son dossier root/ sont remplacés ; ses autres fichiers restent.',
    ('WriteMenuCommands', 'Copied from root/ beside the script, which it does not carry: %1.'):
        "Copié depuis root/ à côté du script, qu'il ne porte pas : %1.",
    ('WriteMenuCommands', 'Only line ends differ, left alone: %1.'):
        'Seules les fins de ligne diffèrent, laissé tel quel : %1.',
    ('WriteMenuCommands', 'Writing the package of the changes in %1...'):
        'Écriture du paquet des modifications de %1...',
    ('WriteMenuCommands', 'The script of the version installed'):
        'Le script de la version installée',
    ('WriteMenuCommands', 'The script of the new version'):
        'Le script de la nouvelle version',
    ('WriteMenuCommands', 'Writing the upgrade to %1...'):
        'Écriture de la mise à jour vers %1...',
    ('WriteMenuCommands', 'The upgrade is written from the two installations as they went; check these, and add by hand what the new version leaves to do:'):
        "La mise à jour est écrite d'après les deux installations telles qu'elles se sont passées ; vérifiez ceci, et ajoutez à la main ce que la nouvelle version laisse à faire :",
    ('Writer', '%1 could not be written: %2'):
        "%1 n'a pas pu être écrit : %2",
    ('Writer', '%1 lies outside the package: nothing was written.'):
        "%1 est hors du paquet : rien n'a été écrit.",
    ('Writer', 'No folder was given for the package.'):
        "Aucun dossier n'a été donné pour le paquet.",
    ('Writer', '%1 is inside the forum %2: the package goes elsewhere, or it would become part of the changes it describes.'):
        "%1 est dans le forum %2 : le paquet va ailleurs, sinon il ferait partie des modifications qu'il décrit.",
    ('Writer', '%1 is a file, not a folder.'):
        '%1 est un fichier, pas un dossier.',
    ('Writer', '%1 is not empty: the package goes into a new or empty folder.'):
        "%1 n'est pas vide : le paquet va dans un dossier nouveau ou vide.",
    ('Writer', 'The folder %1 cannot be made.'):
        'Le dossier %1 ne peut être créé.',
    ('Writer', 'No folder can be made beside %1: %2'):
        'Aucun dossier ne peut être créé à côté de %1 : %2',
    ('Writer', '%1 could not be replaced.'):
        "%1 n'a pas pu être remplacé.",
    ('Writer', 'The package could not be moved to %1.'):
        "Le paquet n'a pas pu être déplacé vers %1.",
    ('Writer', 'No folder can be made in %1: %2'):
        'Aucun dossier ne peut être créé dans %1 : %2',
    ('Writer', 'it holds a line break'):
        'il contient un saut de ligne',
    ('Writer', 'it holds a control character'):
        'il contient un caractère de contrôle',
    ('Writer', 'it begins or ends with a blank'):
        'il commence ou finit par un blanc',
    ('Writer', 'it holds a backslash, which installers read as a folder separator'):
        'il contient une barre oblique inverse, que les installateurs lisent comme un séparateur de dossiers',
    ('Writer', '1 Minute'):
        '1 minute',
    ('Writer', '%1 Minutes'):
        '%1 minutes',
    ('Writer', '%1: a script cannot name this file: %2. Rename it and write again.'):
        '%1 : un script ne peut nommer ce fichier : %2. Renommez-le et écrivez de nouveau.',
    ('Writer', '%1 cannot be read: %2'):
        '%1 ne peut être lu : %2',
    ('Writer', 'it is a folder'):
        "c'est un dossier",
    ('Writer', 'there is no such file'):
        "ce fichier n'existe pas",
    ("QAbstractFileIconProvider", "Folder"): "Dossier",
    ("QAbstractFileIconProvider", "Drive"): "Disque",
    ("DialogCommands", "Quillwright writes phpBB2 MOD scripts and checks them as you type.\n\nFile, Properties fills in the header; the action builder (Ctrl+Shift+A) adds actions at the end of the script; Tools, Preview Installation (F9) shows what the script changes in a forum's files, and Install into Folder writes a copy of the forum with the changes.\n\nKeys: Ctrl+F finds, Ctrl+H replaces, Ctrl+G goes to a line; F8 and Shift+F8 go to the next and the previous problem the checker found; F6 and Shift+F6 go from the script to its find bar, its outline, the Problems list and the status bar's buttons; Shift+F10 or the Menu key opens a context menu; Esc closes a bar or a dialog.\n\nThe README and the manual page (man quillwright) say more."):
        "Quillwright écrit des scripts MOD pour phpBB2 et les vérifie pendant la frappe.\n\nFichier, Propriétés remplit l'en-tête ; le constructeur d'actions (Ctrl+Maj+A) ajoute des actions à la fin du script ; Outils, Aperçu de l'installation (F9) montre ce que le script change dans les fichiers d'un forum, et Installer dans un dossier écrit une copie du forum avec les modifications.\n\nTouches : Ctrl+F recherche, Ctrl+H remplace, Ctrl+G va à une ligne ; F8 et Maj+F8 vont au problème suivant et au précédent trouvés par le vérificateur ; F6 et Maj+F6 vont du script à sa barre de recherche, à son plan, à la liste des problèmes et aux boutons de la barre d'état ; Maj+F10 ou la touche Menu ouvre un menu contextuel ; Échap ferme une barre ou une boîte de dialogue.\n\nLe README et la page de manuel (man quillwright) en disent plus.",
    ("DocumentWindow", "%1, line %2"): "%1, ligne %2",
    ("DocumentWindow", "%1 %2, line %3"): "%1 %2, ligne %3",
    ("DocumentWindow", "%1 in %2, line %3"): "%1 dans %2, ligne %3",
    ("MainToolBar", "More buttons"): "Autres boutons",
    ("RecentFiles", "%1 in %2"): "%1 dans %2",
    ("ScriptDescription", "nothing selected"): "rien de sélectionné",
    ("ScriptDescription", "%n line selected"): ("%n ligne sélectionnée", "%n lignes sélectionnées"),
    ("ScriptDescription", "%n lines selected"): ("%n ligne sélectionnée", "%n lignes sélectionnées"),
    ("ScriptDescription", "\u201c%1\u201d selected"): "« %1 » sélectionné",
    ("StatusFields", "Date"): "Date",
    ("StatusFields", "Time"): "Heure",
}

if __name__ == "__main__":
    import sys
    import xml.etree.ElementTree as ET

    path = sys.argv[1]
    tree = ET.parse(path)
    missing = 0
    for context in tree.getroot().findall("context"):
        name = context.find("name").text
        for message in context.findall("message"):
            source = message.find("source").text
            translation = message.find("translation")
            # Entries are keyed by the class or namespace name; a class's tr()
            # context carries the project's namespace before it.
            wanted = FR.get((name, source)) or FR.get((name.removeprefix("Quillwright::"), source))
            if wanted is None:
                print(f"no French for {name}: {source!r}")
                missing += 1
                continue
            translation.attrib.pop("type", None)
            for child in list(translation):
                translation.remove(child)
            if isinstance(wanted, tuple):
                translation.text = None
                for form in wanted:
                    ET.SubElement(translation, "numerusform").text = form
            else:
                translation.text = wanted
    tree.write(path, encoding="utf-8", xml_declaration=True)
    sys.exit(1 if missing else 0)
