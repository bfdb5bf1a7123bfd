<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Checker</name>
    <message>
        <source>No problems</source>
        <translation>Aucun problème</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 erreur</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 erreurs</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 avertissement</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avertissements</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 remarque</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 remarques</translation>
    </message>
    <message>
        <source>"%1" is given more than once</source>
        <translation>« %1 » est donné plus d'une fois</translation>
    </message>
    <message>
        <source>The header has no "## %1:" line</source>
        <translation>L'en-tête n'a pas de ligne « ## %1: »</translation>
    </message>
    <message>
        <source>"%1" is empty</source>
        <translation>« %1 » est vide</translation>
    </message>
    <message>
        <source>The version "%1" is not in the form 1.2.3 (a letter may follow)</source>
        <translation>La version « %1 » n'est pas de la forme 1.2.3 (une lettre peut suivre)</translation>
    </message>
    <message>
        <source>The installation level "%1" is not one of Easy, Intermediate, Advanced</source>
        <translation>Le niveau d'installation « %1 » n'est pas Easy, Intermediate ou Advanced</translation>
    </message>
    <message>
        <source>The author line is not in the form "name &lt; e-mail &gt; (real name) web site"</source>
        <translation>La ligne de l'auteur n'est pas de la forme « nom &lt; courriel &gt; (vrai nom) site web »</translation>
    </message>
    <message>
        <source>The header has no security notice ("For Security Purposes, Please Check: ...")</source>
        <translation>L'en-tête n'a pas l'avis de sécurité (« For Security Purposes, Please Check: ... »)</translation>
    </message>
    <message>
        <source>The header does not tell the reader to back up the files the MOD changes</source>
        <translation>L'en-tête ne demande pas de sauvegarder les fichiers que le MOD modifie</translation>
    </message>
    <message>
        <source>"Files To Edit" does not list %1, which the script opens</source>
        <translation>« Files To Edit » ne cite pas %1, que le script ouvre</translation>
    </message>
    <message>
        <source>"Files To Edit" lists %1, which no OPEN opens</source>
        <translation>« Files To Edit » cite %1, qu'aucun OPEN n'ouvre</translation>
    </message>
    <message>
        <source>"Included Files" does not list %1, which the script copies</source>
        <translation>« Included Files » ne cite pas %1, que le script copie</translation>
    </message>
    <message>
        <source>"%1" is not a keyword that installers know</source>
        <translation>« %1 » n'est pas un mot-clé que les installeurs connaissent</translation>
    </message>
    <message>
        <source>The banner is not written as "#-----[ %1 ]---"</source>
        <translation>La bannière n'est pas écrite « #-----[ %1 ]--- »</translation>
    </message>
    <message>
        <source>The banner has no "#" line after it</source>
        <translation>La bannière n'est pas suivie d'une ligne « # »</translation>
    </message>
    <message>
        <source>The %1 block has nothing in it</source>
        <translation>Le bloc %1 est vide</translation>
    </message>
    <message>
        <source>Nothing is done to the file this OPEN opens</source>
        <translation>Rien n'est fait au fichier que cet OPEN ouvre</translation>
    </message>
    <message>
        <source>FIND before any OPEN: installers do not know which file to look in</source>
        <translation>FIND avant tout OPEN : les installeurs ne savent pas dans quel fichier chercher</translation>
    </message>
    <message>
        <source>IN-LINE FIND before any OPEN</source>
        <translation>IN-LINE FIND avant tout OPEN</translation>
    </message>
    <message>
        <source>IN-LINE FIND without a FIND before it in this file</source>
        <translation>IN-LINE FIND sans FIND avant lui dans ce fichier</translation>
    </message>
    <message>
        <source>%1 before any OPEN</source>
        <translation>%1 avant tout OPEN</translation>
    </message>
    <message>
        <source>%1 without a FIND before it in this file</source>
        <translation>%1 sans FIND avant lui dans ce fichier</translation>
    </message>
    <message>
        <source>%1 without an IN-LINE FIND before it in this file</source>
        <translation>%1 sans IN-LINE FIND avant lui dans ce fichier</translation>
    </message>
    <message>
        <source>The script does not end with "# EoM"</source>
        <translation>Le script ne finit pas par « # EoM »</translation>
    </message>
    <message>
        <source>"# EoM" without a SAVE/CLOSE ALL FILES block before it</source>
        <translation>« # EoM » sans bloc SAVE/CLOSE ALL FILES avant lui</translation>
    </message>
    <message>
        <source>Text after "# EoM": installers stop reading there</source>
        <translation>Texte après « # EoM » : les installeurs s'arrêtent de lire là</translation>
    </message>
    <message>
        <source>A MOD script file cannot hold this character: saving writes "?"</source>
        <translation>Un fichier de script MOD ne peut pas contenir ce caractère : l'enregistrement écrit « ? »</translation>
    </message>
    <message>
        <source>A header field is there but empty</source>
        <translation>Un champ de l'en-tête est là mais vide</translation>
    </message>
    <message>
        <source>A header field other than the author is given twice</source>
        <translation>Un champ de l'en-tête autre que l'auteur est donné deux fois</translation>
    </message>
    <message>
        <source>The author line is not "name &lt;e-mail&gt; (real name) web site"</source>
        <translation>La ligne de l'auteur n'est pas « nom &lt;courriel&gt; (vrai nom) site »</translation>
    </message>
    <message>
        <source>The header has no security notice, in any language</source>
        <translation>L'en-tête n'a d'avis de sécurité dans aucune langue</translation>
    </message>
    <message>
        <source>A banner's keyword is not one installers know</source>
        <translation>Le mot-clé d'une bannière n'est pas connu des installateurs</translation>
    </message>
    <message>
        <source>Nothing is done to the file an OPEN opens</source>
        <translation>Rien n'est fait au fichier qu'un OPEN ouvre</translation>
    </message>
    <message>
        <source>A FIND or IN-LINE FIND comes before any OPEN</source>
        <translation>Un FIND ou IN-LINE FIND vient avant tout OPEN</translation>
    </message>
    <message>
        <source>An ADD, REPLACE, INCREMENT or IN-LINE action comes before any OPEN</source>
        <translation>Une action ADD, REPLACE, INCREMENT ou IN-LINE vient avant tout OPEN</translation>
    </message>
    <message>
        <source>An ADD, REPLACE or INCREMENT has no FIND before it in its file</source>
        <translation>Un ADD, REPLACE ou INCREMENT n'a pas de FIND avant lui dans son fichier</translation>
    </message>
    <message>
        <source>An IN-LINE FIND has no FIND before it in its file</source>
        <translation>Un IN-LINE FIND n'a pas de FIND avant lui dans son fichier</translation>
    </message>
    <message>
        <source>An IN-LINE action has no IN-LINE FIND before it</source>
        <translation>Une action IN-LINE n'a pas de IN-LINE FIND avant elle</translation>
    </message>
    <message>
        <source>"# EoM" has no SAVE/CLOSE ALL FILES block before it</source>
        <translation>« # EoM » n'a pas de bloc SAVE/CLOSE ALL FILES avant lui</translation>
    </message>
    <message>
        <source>The forum has no file an OPEN names (a warning for languages and templates)</source>
        <translation>Le forum n'a pas le fichier qu'un OPEN nomme (un avertissement pour les langues et les thèmes)</translation>
    </message>
    <message>
        <source>A FIND matches nothing in the forum's file from where the one before left off</source>
        <translation>Un FIND ne trouve rien dans le fichier du forum à partir de là où le précédent s'est arrêté</translation>
    </message>
    <message>
        <source>An IN-LINE FIND matches nothing in the lines its FIND found</source>
        <translation>Un IN-LINE FIND ne trouve rien dans les lignes trouvées par son FIND</translation>
    </message>
    <message>
        <source>An action needs a FIND that its file does not have (installing)</source>
        <translation>Une action demande un FIND que son fichier n'a pas (installation)</translation>
    </message>
    <message>
        <source>An IN-LINE action needs an IN-LINE FIND (installing)</source>
        <translation>Une action IN-LINE demande un IN-LINE FIND (installation)</translation>
    </message>
    <message>
        <source>INCREMENT finds no {%:N} number in the lines found (installing)</source>
        <translation>INCREMENT ne trouve pas de nombre {%:N} dans les lignes trouvées (installation)</translation>
    </message>
    <message>
        <source>An OPEN names a file that is not text (installing)</source>
        <translation>Un OPEN nomme un fichier qui n'est pas du texte (installation)</translation>
    </message>
    <message>
        <source>An OPEN or COPY leads outside the forum's folder (installing)</source>
        <translation>Un OPEN ou COPY mène hors du dossier du forum (installation)</translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) of text after "# EoM" not shown</source>
        <translation><numerusform>%n autre ligne de texte après « # EoM » non montrée</numerusform><numerusform>%n autres lignes de texte après « # EoM » non montrées</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more character(s) a MOD script file cannot hold not shown</source>
        <translation><numerusform>%n autre caractère qu'un script MOD ne peut contenir non montré</numerusform><numerusform>%n autres caractères qu'un script MOD ne peut contenir non montrés</numerusform></translation>
    </message>
    <message>
        <source>The label "%1" is written in a form of its own: the template writes "%2:"</source>
        <translation>L'étiquette « %1 » est écrite à sa façon : le modèle écrit « %2: »</translation>
    </message>
    <message>
        <source>The header's labels are not the template's English ones (%1): readers and tools look for "## MOD Title:" and the others</source>
        <translation>Les étiquettes de l'en-tête ne sont pas celles, anglaises, du modèle (%1) : lecteurs et outils cherchent « ## MOD Title: » et les autres</translation>
    </message>
    <message>
        <source>The script has no MOD header ("## MOD Title:" and the other labels)</source>
        <translation>Le script n'a pas d'en-tête MOD (« ## MOD Title: » et les autres étiquettes)</translation>
    </message>
    <message>
        <source>The title is still the placeholder "%1"</source>
        <translation>Le titre est encore le texte à remplacer « %1 »</translation>
    </message>
    <message>
        <source>The author line is still the placeholder</source>
        <translation>La ligne de l'auteur est encore le texte à remplacer</translation>
    </message>
    <message>
        <source>The version is still the placeholder "%1"</source>
        <translation>La version est encore le texte à remplacer « %1 »</translation>
    </message>
    <message>
        <source>The header has no "## Files To Edit:" line</source>
        <translation>L'en-tête n'a pas de ligne « ## Files To Edit: »</translation>
    </message>
    <message>
        <source>The header has no "## Files To Edit:" line; the script opens %1</source>
        <translation>L'en-tête n'a pas de ligne « ## Files To Edit: » ; le script ouvre %1</translation>
    </message>
    <message>
        <source>"Files To Edit" gives a count (%1), not the files: %2</source>
        <translation>« Files To Edit » donne un nombre (%1), pas les fichiers : %2</translation>
    </message>
    <message>
        <source>"Files To Edit" says there are none, but the script opens %1</source>
        <translation>« Files To Edit » dit qu'il n'y en a aucun, mais le script ouvre %1</translation>
    </message>
    <message>
        <source>"Files To Edit" is empty, but the script opens %1</source>
        <translation>« Files To Edit » est vide, mais le script ouvre %1</translation>
    </message>
    <message numerus="yes">
        <source>"Files To Edit" says %1 but names %n file(s)</source>
        <translation><numerusform>« Files To Edit » dit %1 mais nomme %n fichier</numerusform><numerusform>« Files To Edit » dit %1 mais nomme %n fichiers</numerusform></translation>
    </message>
    <message>
        <source>"Files To Edit" lists files, but the script opens none</source>
        <translation>« Files To Edit » nomme des fichiers, mais le script n'en ouvre aucun</translation>
    </message>
    <message>
        <source>"Files To Edit" writes %1 where the script opens %2</source>
        <translation>« Files To Edit » écrit %1 là où le script ouvre %2</translation>
    </message>
    <message>
        <source>The header has no "## Included Files:" line</source>
        <translation>L'en-tête n'a pas de ligne « ## Included Files: »</translation>
    </message>
    <message>
        <source>The header has no "## Included Files:" line; the script copies %1</source>
        <translation>L'en-tête n'a pas de ligne « ## Included Files: » ; le script copie %1</translation>
    </message>
    <message>
        <source>"Included Files" gives a count (%1), not the files: %2</source>
        <translation>« Included Files » donne un nombre (%1), pas les fichiers : %2</translation>
    </message>
    <message>
        <source>"Included Files" says there are none, but the script copies %1</source>
        <translation>« Included Files » dit qu'il n'y en a aucun, mais le script copie %1</translation>
    </message>
    <message>
        <source>"Included Files" is empty, but the script copies %1</source>
        <translation>« Included Files » est vide, mais le script copie %1</translation>
    </message>
    <message numerus="yes">
        <source>"Included Files" says %1 but names %n file(s)</source>
        <translation><numerusform>« Included Files » dit %1 mais nomme %n fichier</numerusform><numerusform>« Included Files » dit %1 mais nomme %n fichiers</numerusform></translation>
    </message>
    <message>
        <source>The header lacks a field the template has, or the script has no MOD header (a note for a list of files the script does not need)</source>
        <translation>L'en-tête n'a pas un champ du modèle, ou le script n'a pas d'en-tête MOD (une remarque pour une liste de fichiers dont le script n'a pas besoin)</translation>
    </message>
    <message>
        <source>A header label is written in a form of its own ("## Files To Edit (6):", "## File To Edit:")</source>
        <translation>Une étiquette de l'en-tête est écrite à sa façon (« ## Files To Edit (6): », « ## File To Edit: »)</translation>
    </message>
    <message>
        <source>A header field still holds a placeholder (version "x.x.x", the author or title to fill in)</source>
        <translation>Un champ de l'en-tête garde un texte à remplacer (la version « x.x.x », l'auteur ou le titre à remplir)</translation>
    </message>
    <message>
        <source>The version is not in the form 1.2.3 (a letter may follow): an upgrade's range, a suffix or a note</source>
        <translation>La version n'est pas de la forme 1.2.3 (une lettre peut suivre) : l'intervalle d'une mise à jour, un suffixe ou une note</translation>
    </message>
    <message>
        <source>The installation level is none of Easy, Intermediate, Advanced (or the dialog's easy, moderate, hard); a note for an older word</source>
        <translation>Le niveau d'installation n'est ni Easy, ni Intermediate, ni Advanced (ni easy, moderate, hard de la boîte de dialogue) ; une remarque pour un mot plus ancien</translation>
    </message>
    <message>
        <source>The header does not tell the reader to back up the files, in any language</source>
        <translation>L'en-tête ne dit pas de sauvegarder les fichiers, en aucune langue</translation>
    </message>
    <message>
        <source>"Files To Edit" and the files the script opens differ (a note for a count that disagrees or stands for the list)</source>
        <translation>« Files To Edit » et les fichiers que le script ouvre diffèrent (une remarque pour un nombre qui ne s'accorde pas ou tient lieu de liste)</translation>
    </message>
    <message>
        <source>"Included Files" and the files the script copies differ (a note for a count that disagrees or stands for the list)</source>
        <translation>« Included Files » et les fichiers que le script copie diffèrent (une remarque pour un nombre qui ne s'accorde pas ou tient lieu de liste)</translation>
    </message>
    <message>
        <source>The script's action keywords are translated: installers read only the English ones (said once for the script)</source>
        <translation>Les mots-clés des actions du script sont traduits : les installeurs ne lisent que les anglais (dit une fois pour le script)</translation>
    </message>
    <message>
        <source>A banner is not written as "#-----[ KEYWORD ]---" with the keyword as the template spells it</source>
        <translation>Une bannière n'est pas écrite « #-----[ MOT-CLÉ ]--- » avec le mot-clé tel que le modèle l'écrit</translation>
    </message>
    <message>
        <source>A banner lacks its "#" line before or after it (the outline lists only banners with a "#" line above)</source>
        <translation>Une bannière n'a pas sa ligne « # » avant ou après elle (le plan ne montre que les bannières avec une ligne « # » au-dessus)</translation>
    </message>
    <message>
        <source>An action has nothing in it (an empty REPLACE WITH or IN-LINE REPLACE WITH deletes, and is fine)</source>
        <translation>Une action ne contient rien (un REPLACE WITH ou IN-LINE REPLACE WITH vide supprime, et c'est bien)</translation>
    </message>
    <message>
        <source>Text follows "# EoM", where installers stop reading</source>
        <translation>Du texte suit « # EoM », où les installeurs s'arrêtent de lire</translation>
    </message>
    <message>
        <source>The script holds a character its encoding cannot save</source>
        <translation>Le script contient un caractère que son codage ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>The script is encoded in neither UTF-8 nor Windows-1252 (a Chinese, Cyrillic or Central European code page)</source>
        <translation>Le script n'est codé ni en UTF-8 ni en Windows-1252 (une page de code chinoise, cyrillique ou d'Europe centrale)</translation>
    </message>
    <message>
        <source>The file is a document that quotes parts of MOD scripts, not a script: it is not checked</source>
        <translation>Le fichier est un document qui cite des parties de scripts MOD, pas un script : il n'est pas vérifié</translation>
    </message>
    <message>
        <source>A COPY takes a file from outside the MOD's package (installing)</source>
        <translation>Un COPY prend un fichier hors du paquet du MOD (installation)</translation>
    </message>
    <message>
        <source>The script has no action an installer can read (installing)</source>
        <translation>Le script n'a aucune action qu'un installateur sache lire (installation)</translation>
    </message>
    <message numerus="yes">
        <source>This reads as a document about MOD scripts (%n line(s) of text come before any header or action), not as a script: it is not checked</source>
        <translation><numerusform>Ceci se lit comme un document sur les scripts MOD (%n ligne de texte vient avant tout en-tête ou action), pas comme un script : il n'est pas vérifié</numerusform><numerusform>Ceci se lit comme un document sur les scripts MOD (%n lignes de texte viennent avant tout en-tête ou action), pas comme un script : il n'est pas vérifié</numerusform></translation>
    </message>
    <message>
        <source>The script's action keywords are not English (%1): installers read only the English keywords</source>
        <translation>Les mots-clés des actions du script ne sont pas anglais (%1) : les installeurs ne lisent que les mots-clés anglais</translation>
    </message>
    <message>
        <source>The banner has no "#" line before it: the outline lists only banners with a "#" line above them</source>
        <translation>La bannière n'a pas de ligne « # » avant elle : le plan ne montre que les bannières avec une ligne « # » au-dessus</translation>
    </message>
    <message>
        <source>The script's encoding, %1, cannot hold this character: saving writes "?"</source>
        <translation>Le codage du script, %1, ne peut pas contenir ce caractère : l'enregistrement écrit « ? »</translation>
    </message>
    <message>
        <source>The script is encoded as %1 (%2), not as UTF-8 or Windows-1252: installers and editors that expect those read its letters as other characters</source>
        <translation>Le script est codé en %1 (%2), pas en UTF-8 ni en Windows-1252 : les installeurs et les éditeurs qui attendent ceux-ci lisent ses lettres comme d'autres caractères</translation>
    </message>
    <message>
        <source>The description is still the placeholder "%1"</source>
        <translation>La description est encore le texte à remplacer « %1 »</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>%1: %2 is not a folder</source>
        <translation>%1 : %2 n'est pas un dossier</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n'existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c'est un dossier</translation>
    </message>
    <message>
        <source>%1: cannot read %2: %3</source>
        <translation>%1 : impossible de lire %2 : %3</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 demande un dossier</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--forum DIR names the forum's folder</source>
        <translation>--forum DOSSIER désigne le dossier du forum</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n'est pas un dossier</translation>
    </message>
    <message>
        <source>-o OUTDIR names the folder for the forum's copy</source>
        <translation>-o DOSSIER désigne le dossier de la copie du forum</translation>
    </message>
    <message>
        <source>no script was given</source>
        <translation>aucun script n'a été donné</translation>
    </message>
    <message>
        <source>quillwright-mod: cannot read %1: %2</source>
        <translation>quillwright-mod : impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>quillwright-mod: %1 is not text and is left out of the diff</source>
        <translation>quillwright-mod : %1 n'est pas du texte et reste hors du diff</translation>
    </message>
    <message>
        <source>quillwright-mod: %1 is not a command</source>
        <translation>quillwright-mod : %1 n'est pas une commande</translation>
    </message>
    <message>
        <source>Usage: quillwright-mod COMMAND [OPTIONS] ...

  check    check scripts against the MOD template (as quillwright-check)
  diff     show what scripts change in a forum, as a unified diff
  install  write a copy of a forum with the scripts installed
  write    write the script of the changes between two forums

quillwright-mod COMMAND --help says more of each.</source>
        <translation>Utilisation : quillwright-mod COMMANDE [OPTIONS] ...

  check    vérifie des scripts selon le modèle MOD (comme quillwright-check)
  diff     montre ce que des scripts changent dans un forum, en diff unifié
  install  écrit une copie d'un forum avec les scripts installés
  write    écrit le script des modifications entre deux forums

quillwright-mod COMMANDE --help en dit plus sur chacune.</translation>
    </message>
    <message>
        <source>%1: no actions express these changes: the script copies the whole file</source>
        <translation>%1 : aucune action ne dit ces modifications : le script copie le fichier entier</translation>
    </message>
    <message>
        <source>%1: the script does not install it back exactly</source>
        <translation>%1 : le script ne le redonne pas exactement</translation>
    </message>
    <message>
        <source>--forum needs a folder</source>
        <translation>--forum demande un dossier</translation>
    </message>
    <message>
        <source>--color takes auto, always or never</source>
        <translation>--color prend auto, always ou never</translation>
    </message>
    <message>
        <source>%1 is not a rule of the checker</source>
        <translation>%1 n'est pas une règle du vérificateur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>--upgrade needs the old and the new script</source>
        <translation>--upgrade demande l'ancien et le nouveau script</translation>
    </message>
    <message>
        <source>it needs the original forum and the changed one</source>
        <translation>il faut le forum d'origine et le forum modifié</translation>
    </message>
    <message>
        <source>--upgrade needs --forum DIR, the forum both install on</source>
        <translation>--upgrade demande --forum DOSSIER, le forum où les deux s'installent</translation>
    </message>
    <message>
        <source>--forum goes with --upgrade</source>
        <translation>--forum va avec --upgrade</translation>
    </message>
    <message>
        <source>--name is the script's file name in the package, without a folder</source>
        <translation>--name est le nom du fichier du script dans le paquet, sans dossier</translation>
    </message>
    <message>
        <source>quillwright-mod write: what the new version leaves to do by hand is not part of the upgrade: add what it needs</source>
        <translation>quillwright-mod write : ce que la nouvelle version laisse à faire à la main n'est pas dans la mise à jour : ajoutez ce qu'il lui faut</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n'a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1: only line ends differ: left alone</source>
        <translation>%1 : seules les fins de ligne diffèrent : laissé tel quel</translation>
    </message>
    <message>
        <source>%1: the script alone cannot carry this file: it copies it from root/%1, which a package holds</source>
        <translation>%1 : le script seul ne peut porter ce fichier : il le copie depuis root/%1, que contient un paquet</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTIONS] [--] FILE|DIR|- ...

Checks phpBB2 MOD scripts against the conventions of the MOD template and
prints each finding as FILE:LINE:COL: error|warning|note: MESSAGE [rule-id].
LINE and COL count from 1; COL counts bytes of the line as the file stores it.
A folder is searched for MOD scripts (files that begin with a MOD header or
hold a banner); - reads a script from standard input (named &lt;stdin&gt;). A zip
archive, a MOD package as downloaded, stands for its script named install.

  --json               print the findings as a JSON array instead
  --forum DIR          try every OPEN, FIND and IN-LINE FIND against the forum's
                       files in DIR (nothing there is written)
  --script NAME        the script to check in a MOD package's zip archive
                       (without it, the one named install)
  --ignore RULE[,...]  report nothing of these rules
  --select RULE[,...]  report only these rules
  --werror             warnings make the exit status 1 too
  --color=auto|always|never
                       colour the severity as compilers do (auto: on a terminal)

Exit status: 0 when no finding is an error, 1 when one is, 2 for bad usage or
a file that cannot be read.</source>
        <translation>Utilisation : %1 [OPTIONS] [--] FICHIER|DOSSIER|- ...

Vérifie des scripts MOD de phpBB2 selon les conventions du modèle MOD et affiche
chaque constat sous la forme FICHIER:LIGNE:COL: error|warning|note: MESSAGE [règle].
LIGNE et COL comptent à partir de 1 ; COL compte les octets de la ligne telle que le
fichier la garde. Un dossier est parcouru à la recherche de scripts MOD (les fichiers
qui commencent par un en-tête MOD ou contiennent une bannière) ; - lit un script sur
l'entrée standard (nommé &lt;stdin&gt;). Une archive zip, un paquet MOD tel que téléchargé,
vaut pour son script nommé install.

  --json                 affiche les constats en tableau JSON
  --forum DOSSIER        essaie chaque OPEN, FIND et IN-LINE FIND sur les fichiers du
                         forum dans DOSSIER (rien n'y est écrit)
  --script NOM           le script à vérifier dans l'archive zip d'un paquet MOD
                         (sans lui, celui nommé install)
  --ignore RÈGLE[,...]   ne signale rien de ces règles
  --select RÈGLE[,...]   ne signale que ces règles
  --werror               les avertissements donnent aussi le code de sortie 1
  --color=auto|always|never
                         colore la gravité comme les compilateurs (auto : sur un terminal)

Code de sortie : 0 sans erreur, 1 avec une erreur, 2 pour un mauvais usage ou un
fichier illisible.</translation>
    </message>
    <message>
        <source>the archive has no %1; its MOD scripts: %2</source>
        <translation>l'archive n'a pas de %1 ; ses scripts MOD : %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>the archive holds no MOD script</source>
        <translation>l'archive ne contient aucun script MOD</translation>
    </message>
    <message>
        <source>the archive holds several MOD scripts: %1; name one with --script NAME</source>
        <translation>l'archive contient plusieurs scripts MOD : %1 ; nommez-en un avec --script NOM</translation>
    </message>
    <message>
        <source>%1 needs a script's name</source>
        <translation>%1 demande le nom d'un script</translation>
    </message>
    <message>
        <source>Usage: quillwright-mod diff --forum DIR [--script NAME] SCRIPT...

Applies the MOD scripts, each to the result of the ones before, to the forum's
files in DIR without writing anything, and prints the whole installation as one
unified diff: `patch -p1` in the forum's folder applies it. What failed and what
is left to do by hand (COPY without its file, SQL, DIY INSTRUCTIONS) go to
standard error as SCRIPT:LINE:COL: error|warning|note: MESSAGE [rule-id].
A SCRIPT may be a MOD package as downloaded, a zip archive: its script named
install is taken, or the one --script NAME names.

Exit status: 0 when every action applied, 1 when one failed, 2 for bad usage or
a script that cannot be read.</source>
        <translation>Utilisation : quillwright-mod diff --forum DOSSIER [--script NOM] SCRIPT...

Applique les scripts MOD, chacun au résultat des précédents, aux fichiers du forum
dans DOSSIER sans rien écrire, et affiche toute l'installation en un seul diff
unifié : `patch -p1` dans le dossier du forum l'applique. Les échecs et ce qui
reste à faire à la main (COPY sans son fichier, SQL, DIY INSTRUCTIONS) vont sur
la sortie d'erreur sous la forme SCRIPT:LIGNE:COL: error|warning|note: MESSAGE [règle].
Un SCRIPT peut être un paquet MOD tel que téléchargé, une archive zip : son script
nommé install est pris, ou celui que --script NOM nomme.

Code de sortie : 0 quand toutes les actions s'appliquent, 1 quand une échoue, 2 pour
un mauvais usage ou un script illisible.</translation>
    </message>
    <message>
        <source>Usage: quillwright-mod install --forum DIR -o OUTDIR [--script NAME] SCRIPT...

Applies the MOD scripts, each to the result of the ones before, to the forum's
files in DIR and writes the forum with the changes into OUTDIR, a new or empty
folder outside the forum: whole or not at all, links, modes and times as the
forum has them. The forum itself is never written. What failed and what is
left to do go to standard error, as for diff. A SCRIPT may be a zip archive,
as for diff.

Exit status: 0 when every action applied, 1 when one failed or the copy could
not be written, 2 for bad usage or a script that cannot be read.</source>
        <translation>Utilisation : quillwright-mod install --forum DOSSIER -o SORTIE [--script NOM] SCRIPT...

Applique les scripts MOD, chacun au résultat des précédents, aux fichiers du forum
dans DOSSIER et écrit le forum modifié dans SORTIE, un dossier nouveau ou vide hors
du forum : en entier ou pas du tout, liens, droits et dates tels que le forum les a.
Le forum lui-même n'est jamais écrit. Les échecs et ce qui reste à faire vont sur la
sortie d'erreur, comme pour diff. Un SCRIPT peut être une archive zip, comme pour diff.

Code de sortie : 0 quand toutes les actions s'appliquent, 1 quand une échoue ou que
la copie n'a pu être écrite, 2 pour un mauvais usage ou un script illisible.</translation>
    </message>
    <message>
        <source>Usage: quillwright-mod write [-o OUT] [--name SCRIPT] [--title TEXT] ORIGINAL CHANGED
       quillwright-mod write --upgrade OLD_SCRIPT NEW_SCRIPT --forum DIR [-o OUT]

Writes the MOD package that turns the forum in ORIGINAL into the one in CHANGED:
a script with an OPEN and FIND and AFTER, ADD, BEFORE, ADD, REPLACE WITH or IN-LINE
actions for each changed file, and beside it root/ with the files it copies (new
files, pictures, files no action can change). It is written only after it is
proven: installed on ORIGINAL it gives CHANGED back byte for byte.

With --upgrade, both scripts are installed on the forum in DIR (each with the
files beside it, or in the zip archive it came in) and the package is the
upgrade from the first to the second, its header taken from the second.

  -o OUT         a new or empty folder for the package (the script is SCRIPT in
                 it, install.mod unless --name says); a name ending in .zip
                 writes the same package as a zip archive; one ending in .mod or
                 .txt writes the script alone; none prints the script alone
  --title TEXT   the MOD's title (else a placeholder to fill in)

Exit status: 0 when it installs back exactly, 1 when a file could not be said
with actions (copied whole), the script alone could not carry a file, or it does
not install back, each named on standard error; 2 for bad usage or when nothing
could be written.</source>
        <translation>Utilisation : quillwright-mod write [-o SORTIE] [--name SCRIPT] [--title TEXTE] ORIGINAL MODIFIÉ
       quillwright-mod write --upgrade ANCIEN_SCRIPT NOUVEAU_SCRIPT --forum DOSSIER [-o SORTIE]

Écrit le paquet MOD qui change le forum de ORIGINAL en celui de MODIFIÉ : un script
avec un OPEN et des actions FIND et AFTER, ADD, BEFORE, ADD, REPLACE WITH ou IN-LINE
pour chaque fichier modifié, et à côté root/ avec les fichiers qu'il copie (nouveaux
fichiers, images, fichiers qu'aucune action ne peut changer). Il n'est écrit
qu'après sa preuve : installé sur ORIGINAL, il redonne MODIFIÉ octet pour octet.

Avec --upgrade, les deux scripts sont installés sur le forum de DOSSIER (chacun
avec les fichiers à côté de lui, ou dans l'archive zip d'où il vient) et le
paquet est la mise à jour du premier vers le second, son en-tête pris du second.

  -o SORTIE      un dossier nouveau ou vide pour le paquet (le script y est SCRIPT,
                 install.mod sauf --name) ; un nom finissant par .zip écrit le
                 même paquet en archive zip ; un nom finissant par .mod ou .txt
                 écrit le script seul ; sans -o, le script seul est affiché
  --title TEXTE  le titre du MOD (sinon un texte à remplacer)

Code de sortie : 0 quand il redonne tout exactement, 1 quand un fichier n'a pu être
dit en actions (copié entier), quand le script seul ne peut porter un fichier ou
qu'il ne redonne pas tout, chacun nommé sur la sortie d'erreur ; 2 pour un mauvais
usage ou quand rien n'a pu être écrit.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quillwright [--forum DIR] [FILE]
       quillwright --help | --version

Edits phpBB2 MOD scripts. FILE is opened at start-up; every argument
is part of its name, so a name with blanks needs no quotes.

  --forum DIR  check every FIND against the forum's files in DIR
  --help       show this text and exit
  --version    show the version and exit
</source>
        <translation>Utilisation : quillwright [--forum DOSSIER] [FICHIER]
              quillwright --help | --version

Modifie des scripts MOD de phpBB2. FICHIER est ouvert au démarrage ; chaque
argument fait partie de son nom : un nom avec des blancs se passe de guillemets.

  --forum DOSSIER  essaie chaque FIND sur les fichiers du forum dans DOSSIER
  --help           affiche ce texte et quitte
  --version        affiche la version et quitte
</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Add '%1' code.</source>
        <translation>Ajouter le code de « %1 ».</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>No folder was given for the forum's copy.</source>
        <translation>Aucun dossier n'a été donné pour la copie du forum.</translation>
    </message>
    <message>
        <source>%1 is the forum's folder or a folder inside it: the copy goes elsewhere, so that the forum stays as it is.</source>
        <translation>%1 est le dossier du forum ou un dossier qu'il contient : la copie va ailleurs, pour que le forum reste tel quel.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is not empty: the copy goes into a new or empty folder.</source>
        <translation>%1 n'est pas vide : la copie va dans un dossier nouveau ou vide.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>No folder can be made beside %1: %2</source>
        <translation>Aucun dossier ne peut être créé à côté de %1 : %2</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Annulé : rien n'a été écrit.</translation>
    </message>
    <message>
        <source>%1 lies outside the forum's folder: nothing was written.</source>
        <translation>%1 est hors du dossier du forum : rien n'a été écrit.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n'a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 n'a pas pu être remplacé.</translation>
    </message>
    <message>
        <source>The copy could not be moved to %1.</source>
        <translation>La copie n'a pas pu être placée dans %1.</translation>
    </message>
    <message>
        <source>to do by hand: %1</source>
        <translation>à faire à la main : %1</translation>
    </message>
    <message>
        <source>; it matches the forum as it was before: it conflicts with %1, action at line %2</source>
        <translation> ; il trouve le forum tel qu'il était avant : conflit avec %1, action de la ligne %2</translation>
    </message>
    <message>
        <source>FIND matches nothing in %1 from line %2</source>
        <translation>FIND ne trouve rien dans %1 à partir de la ligne %2</translation>
    </message>
    <message>
        <source>IN-LINE FIND matches nothing in the lines the FIND above found in %1</source>
        <translation>IN-LINE FIND ne trouve rien dans les lignes trouvées par le FIND précédent dans %1</translation>
    </message>
    <message>
        <source>INCREMENT finds no number {%:%1} in the lines found in %2</source>
        <translation>INCREMENT ne trouve pas de nombre {%:%1} dans les lignes trouvées dans %2</translation>
    </message>
    <message>
        <source>COPY to %1 is refused: only paths inside the forum's folder are written</source>
        <translation>COPY vers %1 est refusé : seuls les chemins du dossier du forum sont écrits</translation>
    </message>
    <message>
        <source>%1 has no FIND before it in %2</source>
        <translation>%1 n'a pas de FIND avant lui dans %2</translation>
    </message>
    <message>
        <source>%1 has no IN-LINE FIND before it</source>
        <translation>%1 n'a pas de IN-LINE FIND avant lui</translation>
    </message>
    <message>
        <source>the script's title, "%1", says it changes phpBB's own code: the forum must be at phpBB %2 first</source>
        <translation>le titre du script, « %1 », dit qu'il change le code de phpBB lui-même : le forum doit d'abord être en phpBB %2</translation>
    </message>
    <message>
        <source>the script's title, "%1", says it is an upgrade, an add-on or an update: it needs that MOD (or its earlier version) installed first</source>
        <translation>le titre du script, « %1 », dit que c'est une mise à jour ou un complément : il faut d'abord installer ce MOD (ou sa version précédente)</translation>
    </message>
    <message>
        <source>the script's name, %1, says it is an upgrade, an add-on or an update: it needs that MOD (or its earlier version) installed first</source>
        <translation>le nom du script, %1, dit que c'est une mise à jour ou un complément : il faut d'abord installer ce MOD (ou sa version précédente)</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message numerus="yes">
        <source>, and %n more</source>
        <translation><numerusform>, et %n autre</numerusform><numerusform>, et %n autres</numerusform></translation>
    </message>
    <message>
        <source>skipped with it: %1</source>
        <translation>sautés avec lui : %1</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2</source>
        <translation>%1 n'a pas pu être copié : %2</translation>
    </message>
    <message>
        <source>FIND has no line to look for in %1</source>
        <translation>FIND n'a aucune ligne à chercher dans %1</translation>
    </message>
    <message>
        <source>the FIND's first line: %1</source>
        <translation>la première ligne du FIND : %1</translation>
    </message>
    <message>
        <source>the whole FIND stands here, above line %1 where the FIND before it left off</source>
        <translation>tout le FIND se trouve ici, au-dessus de la ligne %1 où le FIND précédent s'est arrêté</translation>
    </message>
    <message>
        <source>%1 of the FIND's %2 lines stand here, in that order, to line %3: compare them with the script's</source>
        <translation>%1 des %2 lignes du FIND se trouvent ici, dans cet ordre, jusqu'à la ligne %3 : comparez-les à celles du script</translation>
    </message>
    <message>
        <source>IN-LINE FIND has nothing to look for</source>
        <translation>IN-LINE FIND n'a rien à chercher</translation>
    </message>
    <message>
        <source>the fragment: %1</source>
        <translation>le fragment : %1</translation>
    </message>
    <message>
        <source>COPY from %1 is refused: only files inside the MOD's package are copied</source>
        <translation>COPY depuis %1 est refusé : seuls les fichiers du paquet du MOD sont copiés</translation>
    </message>
    <message>
        <source>%1 is not a keyword installers know: the block is left out</source>
        <translation>%1 n'est pas un mot-clé que les installateurs connaissent : le bloc est laissé de côté</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>vouliez-vous dire %1 ?</translation>
    </message>
    <message>
        <source>The script has no action an installer can read: no "#-----[ KEYWORD ]" banner before its end</source>
        <translation>Le script n'a aucune action qu'un installateur sache lire : aucune bannière « #-----[ MOT-CLÉ ] » avant sa fin</translation>
    </message>
    <message>
        <source>The script has no action an installer can read: no banner's keyword is one installers know</source>
        <translation>Le script n'a aucune action qu'un installateur sache lire : aucun mot-clé de ses bannières n'est connu des installateurs</translation>
    </message>
    <message>
        <source>its keywords are %1: installers read the English ones (OPEN, FIND, AFTER, ADD ...), even in a translated script</source>
        <translation>ses mots-clés sont %1 : les installateurs lisent les mots anglais (OPEN, FIND, AFTER, ADD ...), même dans un script traduit</translation>
    </message>
    <message>
        <source>%1 comes before any OPEN: there is no file to change</source>
        <translation>%1 vient avant tout OPEN : il n'y a aucun fichier à modifier</translation>
    </message>
    <message>
        <source>to do by hand, the lines below as the script writes them:</source>
        <translation>à faire à la main, les lignes ci-dessous telles que le script les écrit :</translation>
    </message>
    <message>
        <source>%1, %2; %3; %4</source>
        <translation>%1, %2 ; %3 ; %4</translation>
    </message>
    <message numerus="yes">
        <source>%n action applied</source>
        <translation><numerusform>%n action appliquée</numerusform><numerusform>%n actions appliquées</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n actions applied</source>
        <translation><numerusform>%n action appliquée</numerusform><numerusform>%n actions appliquées</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation><numerusform>%n en échec</numerusform><numerusform>%n en échec</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file changed</source>
        <translation><numerusform>%n fichier modifié</numerusform><numerusform>%n fichiers modifiés</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n files changed</source>
        <translation><numerusform>%n fichier modifié</numerusform><numerusform>%n fichiers modifiés</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n thing left to do by hand</source>
        <translation><numerusform>%n chose à faire à la main</numerusform><numerusform>%n choses à faire à la main</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n things left to do by hand</source>
        <translation><numerusform>%n chose à faire à la main</numerusform><numerusform>%n choses à faire à la main</numerusform></translation>
    </message>
    <message>
        <source>%1 is not beside the script: it is copied from %2, in the package</source>
        <translation>%1 n'est pas à côté du script : il est copié depuis %2, dans le paquet</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disque</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Line numbers</source>
        <translation>Numéros de ligne</translation>
    </message>
</context>
<context>
    <name>QRegularExpression</name>
    <message>
        <source>missing closing parenthesis</source>
        <translation>parenthèse fermante manquante</translation>
    </message>
    <message>
        <source>unmatched closing parenthesis</source>
        <translation>parenthèse fermante sans parenthèse ouvrante</translation>
    </message>
    <message>
        <source>quantifier does not follow a repeatable item</source>
        <translation>le quantificateur ne suit pas un élément répétable</translation>
    </message>
    <message>
        <source>syntax error in subpattern name (missing terminator?)</source>
        <translation>erreur de syntaxe dans le nom du sous-motif (terminaison manquante ?)</translation>
    </message>
    <message>
        <source>two named subpatterns have the same name (PCRE2_DUPNAMES not set)</source>
        <translation>deux sous-motifs nommés portent le même nom</translation>
    </message>
    <message>
        <source>unknown property after \P or \p</source>
        <translation>propriété inconnue après \P ou \p</translation>
    </message>
</context>
<context>
    <name>Quillwright::AuthorDialog</name>
    <message>
        <source>Author Details</source>
        <translation>Détails sur l'auteur</translation>
    </message>
    <message>
        <source>name:</source>
        <translation>nom :</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>courriel :</translation>
    </message>
    <message>
        <source>phpBB username:</source>
        <translation>nom d'utilisateur phpBB :</translation>
    </message>
    <message>
        <source>your url:</source>
        <translation>votre site :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Quillwright::BrowserWindow</name>
    <message>
        <source>This build of Quillwright has no web browser component.</source>
        <translation>Cette version de Quillwright n'a pas de navigateur web.</translation>
    </message>
    <message>
        <source>The web browser component could not be loaded:
%1</source>
        <translation>Le composant de navigation web n'a pas pu être chargé :
%1</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>Quillwright::Checker</name>
    <message>
        <source>OPEN names no file to open</source>
        <translation>OPEN ne nomme aucun fichier à ouvrir</translation>
    </message>
    <message>
        <source>OPEN %1 is refused: only files inside the forum's folder are changed</source>
        <translation>OPEN %1 est refusé : seuls les fichiers du dossier du forum sont modifiés</translation>
    </message>
    <message>
        <source>OPEN %1 is refused: it leads outside the forum's folder</source>
        <translation>OPEN %1 est refusé : il mène hors du dossier du forum</translation>
    </message>
    <message>
        <source>The forum has no %1 (a language or template installed apart)</source>
        <translation>Le forum n'a pas de %1 (une langue ou un modèle installé à part)</translation>
    </message>
    <message>
        <source>The forum has no %1</source>
        <translation>Le forum n'a pas de %1</translation>
    </message>
    <message>
        <source>%1 is not a text file</source>
        <translation>%1 n'est pas un fichier texte</translation>
    </message>
    <message>
        <source>FIND has no line to look for in %1</source>
        <translation>FIND n'a aucune ligne à chercher dans %1</translation>
    </message>
    <message>
        <source>FIND matches nothing in %1 from line %2</source>
        <translation>FIND ne trouve rien dans %1 à partir de la ligne %2</translation>
    </message>
    <message>
        <source>; it matches earlier, at line %1</source>
        <translation> ; il trouve plus haut, à la ligne %1</translation>
    </message>
    <message>
        <source>IN-LINE FIND matches nothing in the lines the FIND above found in %1</source>
        <translation>IN-LINE FIND ne trouve rien dans les lignes que le FIND précédent a trouvées dans %1</translation>
    </message>
</context>
<context>
    <name>Quillwright::CheckerForum</name>
    <message>
        <source>Check against forum files</source>
        <translation>Vérifier avec les fichiers du forum</translation>
    </message>
</context>
<context>
    <name>Quillwright::CommandsWindow</name>
    <message>
        <source>action builder</source>
        <translation>constructeur d'actions</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Text of the action</source>
        <translation>Texte de l'action</translation>
    </message>
    <message>
        <source>Files of the forum</source>
        <translation>Fichiers du forum</translation>
    </message>
    <message>
        <source>Kind of content</source>
        <translation>Type de contenu</translation>
    </message>
    <message>
        <source>empty box</source>
        <translation>vider la zone</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>Quillwright::DialogCommands</name>
    <message>
        <source>No script is open: open or create one to add the action to.</source>
        <translation>Aucun script n'est ouvert : ouvrez-en ou créez-en un pour y ajouter l'action.</translation>
    </message>
    <message>
        <source>Quillwright writes phpBB2 MOD scripts and checks them as you type.

File, Properties fills in the header; the action builder (Ctrl+Shift+A) adds actions at the end of the script; Tools, Preview Installation (F9) shows what the script changes in a forum's files, and Install into Folder writes a copy of the forum with the changes.

Keys: Ctrl+F finds, Ctrl+H replaces, Ctrl+G goes to a line; F8 and Shift+F8 go to the next and the previous problem the checker found; F6 and Shift+F6 go from the script to its find bar, its outline, the Problems list and the status bar's buttons; Shift+F10 or the Menu key opens a context menu; Esc closes a bar or a dialog.

The README and the manual page (man quillwright) say more.</source>
        <translation>Quillwright écrit des scripts MOD pour phpBB2 et les vérifie pendant la frappe.

Fichier, Propriétés remplit l'en-tête ; le constructeur d'actions (Ctrl+Maj+A) ajoute des actions à la fin du script ; Outils, Aperçu de l'installation (F9) montre ce que le script change dans les fichiers d'un forum, et Installer dans un dossier écrit une copie du forum avec les modifications.

Touches : Ctrl+F recherche, Ctrl+H remplace, Ctrl+G va à une ligne ; F8 et Maj+F8 vont au problème suivant et au précédent trouvés par le vérificateur ; F6 et Maj+F6 vont du script à sa barre de recherche, à son plan, à la liste des problèmes et aux boutons de la barre d'état ; Maj+F10 ou la touche Menu ouvre un menu contextuel ; Échap ferme une barre ou une boîte de dialogue.

Le README et la page de manuel (man quillwright) en disent plus.</translation>
    </message>
</context>
<context>
    <name>Quillwright::DiskChangeBar</name>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Garder la mienne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The file %1 was deleted from disk. Save it again?</source>
        <translation>Le fichier %1 a été supprimé du disque. L'enregistrer de nouveau ?</translation>
    </message>
    <message>
        <source>The file %1 was changed on disk by another program.</source>
        <translation>Le fichier %1 a été modifié sur le disque par un autre programme.</translation>
    </message>
</context>
<context>
    <name>Quillwright::DocumentChecks</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Don't Report This Kind of Problem (%1)</source>
        <translation>Ne plus signaler ce genre de problème (%1)</translation>
    </message>
</context>
<context>
    <name>Quillwright::DocumentFile</name>
    <message>
        <source>Read %1 again from disk? The changes made here since it was last saved are lost.</source>
        <translation>Relire %1 depuis le disque ? Les modifications faites ici depuis le dernier enregistrement seront perdues.</translation>
    </message>
    <message>
        <source>%1 was deleted from disk.</source>
        <translation>%1 a été supprimé du disque.</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was opened.</source>
        <translation>%1 a été modifié sur le disque depuis son ouverture.</translation>
    </message>
    <message>
        <source>The file %1 was deleted from disk. Save it again?</source>
        <translation>Le fichier %1 a été supprimé du disque. L'enregistrer de nouveau ?</translation>
    </message>
    <message>
        <source>The file %1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>Le fichier %1 a été modifié sur le disque depuis son ouverture. L'écraser ?</translation>
    </message>
    <message>
        <source>The file %1 is read-only: no one may write it. Save it anyway?</source>
        <translation>Le fichier %1 est en lecture seule : personne ne peut l'écrire. L'enregistrer quand même ?</translation>
    </message>
    <message>
        <source>%1 is read-only: it is inside the archive %2. Save writes a copy of it elsewhere, which you can change.</source>
        <translation>%1 est en lecture seule : il est dans l'archive %2. Enregistrer en écrit ailleurs une copie, que vous pouvez modifier.</translation>
    </message>
</context>
<context>
    <name>Quillwright::DocumentWindow</name>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Outline of the script</source>
        <translation>Plan du script</translation>
    </message>
    <message>
        <source>This change was not made.

</source>
        <translation>Cette modification n'a pas été faite.

</translation>
    </message>
    <message>
        <source>Would you like to Save any changes</source>
        <translation>Voulez-vous enregistrer les modifications</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>%1 %2, line %3</source>
        <translation>%1 %2, ligne %3</translation>
    </message>
    <message>
        <source>%1 in %2, line %3</source>
        <translation>%1 dans %2, ligne %3</translation>
    </message>
</context>
<context>
    <name>Quillwright::EditCommands</name>
    <message>
        <source>The clipboard was not pasted.

</source>
        <translation>Le presse-papiers n'a pas été collé.

</translation>
    </message>
</context>
<context>
    <name>Quillwright::EditMenuAdditions</name>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>R&amp;emplacer...</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>Aller à la &amp;ligne...</translation>
    </message>
    <message>
        <source>&amp;Next Problem</source>
        <translation>Problème &amp;suivant</translation>
    </message>
    <message>
        <source>Pre&amp;vious Problem</source>
        <translation>Problème &amp;précédent</translation>
    </message>
</context>
<context>
    <name>Quillwright::FileCommands</name>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>Could not open %1.

%2</source>
        <translation>Impossible d'ouvrir %1.

%2</translation>
    </message>
    <message>
        <source>Showing %1...</source>
        <translation>Affichage de %1...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It is taken off the list of recent files.</source>
        <translation>Le fichier %1 n'existe plus. Il est retiré de la liste des fichiers récents.</translation>
    </message>
    <message>
        <source>%1 is a copy of %2 from %3, which is left as it was: this copy can be changed.</source>
        <translation>%1 est une copie de %2 de %3, qui reste tel quel : cette copie peut être modifiée.</translation>
    </message>
    <message>
        <source>It is a zip archive with no MOD script in it.</source>
        <translation>C'est une archive zip qui ne contient aucun script MOD.</translation>
    </message>
    <message>
        <source>%1 holds several MOD scripts. Which one do you want to open?</source>
        <translation>%1 contient plusieurs scripts MOD. Lequel voulez-vous ouvrir ?</translation>
    </message>
</context>
<context>
    <name>Quillwright::FileFilters</name>
    <message>
        <source>MOD packages (*.zip)</source>
        <translation>Paquets MOD (*.zip)</translation>
    </message>
</context>
<context>
    <name>Quillwright::FindBar</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Mots entiers</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Expression rationnelle</translation>
    </message>
    <message>
        <source>In selection</source>
        <translation>Dans la sélection</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>Replace the match and find the next (Alt+R)</source>
        <translation>Remplacer l'occurrence et chercher la suivante (Alt+R)</translation>
    </message>
    <message>
        <source>Replace every match as one change (Alt+A)</source>
        <translation>Remplacer toutes les occurrences en une seule modification (Alt+A)</translation>
    </message>
    <message>
        <source>The text looked for is a regular expression; \1 in the replacement stands for its first group</source>
        <translation>Le texte cherché est une expression rationnelle ; \1 dans le remplacement désigne son premier groupe</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>The match before (Shift+F3)</source>
        <translation>L'occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The next match (F3)</source>
        <translation>L'occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the bar (Esc)</source>
        <translation>Fermer la barre (Échap)</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>Remplacer :</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Continued from the top</source>
        <translation>Reprise au début</translation>
    </message>
    <message>
        <source>Continued from the bottom</source>
        <translation>Reprise à la fin</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation><numerusform>%n remplacée</numerusform><numerusform>%n remplacées</numerusform></translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Expression rationnelle incorrecte : %1</translation>
    </message>
    <message>
        <source>The pattern is too complex for this text.</source>
        <translation>Le motif est trop complexe pour ce texte.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 occurrences</translation>
    </message>
    <message numerus="yes">
        <source>%n match</source>
        <translation><numerusform>%n occurrence</numerusform><numerusform>%n occurrences</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation><numerusform>%n occurrence</numerusform><numerusform>%n occurrences</numerusform></translation>
    </message>
</context>
<context>
    <name>Quillwright::GoToLineBar</name>
    <message>
        <source>Line number</source>
        <translation>Numéro de ligne</translation>
    </message>
    <message>
        <source>Go to line:</source>
        <translation>Aller à la ligne :</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Line number, of %1</source>
        <translation>Numéro de ligne, sur %1</translation>
    </message>
</context>
<context>
    <name>Quillwright::InstallMenuCommands</name>
    <message>
        <source>&amp;Preview Installation...</source>
        <translation>&amp;Aperçu de l'installation...</translation>
    </message>
    <message>
        <source>&amp;Install into Folder...</source>
        <translation>&amp;Installer dans un dossier...</translation>
    </message>
    <message>
        <source>The forum to install into</source>
        <translation>Le forum où installer</translation>
    </message>
    <message>
        <source>It was chosen for the script in %1: change it if this script is for another forum.</source>
        <translation>Il a été choisi pour le script de %1 : changez-le si ce script est pour un autre forum.</translation>
    </message>
    <message>
        <source>The preview installs into the forum in %1. %2</source>
        <translation>L'aperçu installe dans le forum de %1. %2</translation>
    </message>
    <message>
        <source>Install into Folder</source>
        <translation>Installer dans un dossier</translation>
    </message>
    <message>
        <source>Writing the forum's copy into %1...</source>
        <translation>Écriture de la copie du forum dans %1...</translation>
    </message>
    <message>
        <source>The forum's copy was not written.

%1</source>
        <translation>La copie du forum n'a pas été écrite.

%1</translation>
    </message>
    <message>
        <source>Every action applied; nothing is left to do by hand.</source>
        <translation>Toutes les actions se sont appliquées ; rien ne reste à faire à la main.</translation>
    </message>
    <message>
        <source>%1 is installed into %2: %3.</source>
        <translation>%1 est installé dans %2 : %3.</translation>
    </message>
    <message>
        <source>The report is in %1.</source>
        <translation>Le rapport est dans %1.</translation>
    </message>
    <message>
        <source>The report could not be written to %1: %2</source>
        <translation>Le rapport n'a pas pu être écrit dans %1 : %2</translation>
    </message>
    <message>
        <source>The forum with %1 installed is in %2: %3.

%4</source>
        <translation>Le forum avec %1 installé est dans %2 : %3.

%4</translation>
    </message>
</context>
<context>
    <name>Quillwright::InstallPreview</name>
    <message>
        <source>Change &amp;Forum...</source>
        <translation>Changer de &amp;forum...</translation>
    </message>
    <message>
        <source>Install into Folder...</source>
        <translation>Installer dans un dossier...</translation>
    </message>
    <message>
        <source>Preview Installation</source>
        <translation>Aperçu de l'installation</translation>
    </message>
    <message>
        <source>Files the script changes</source>
        <translation>Fichiers que le script modifie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Why it failed</source>
        <translation>Raison de l'échec</translation>
    </message>
    <message>
        <source>Changes to the chosen file</source>
        <translation>Modifications du fichier choisi</translation>
    </message>
    <message>
        <source>Left to do by hand</source>
        <translation>Reste à faire à la main</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Left to do by hand:</source>
        <translation>Reste à faire à la main :</translation>
    </message>
    <message>
        <source>Forum: %1</source>
        <translation>Forum : %1</translation>
    </message>
    <message>
        <source>No forum is chosen: Change Forum chooses one.</source>
        <translation>Aucun forum n'est choisi : Changer de forum en choisit un.</translation>
    </message>
    <message>
        <source>No script is open.</source>
        <translation>Aucun script n'est ouvert.</translation>
    </message>
    <message>
        <source>Preview Installation - %1</source>
        <translation>Aperçu de l'installation - %1</translation>
    </message>
    <message>
        <source>%1. Nothing is written until you install into a folder.</source>
        <translation>%1. Rien n'est écrit tant que vous n'installez pas dans un dossier.</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>en échec</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1, %2:</source>
        <translation>ligne %1, %2 :</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <translation>ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>%1, line %2: </source>
        <translation>%1, ligne %2 : </translation>
    </message>
    <message>
        <source>No change to %1.</source>
        <translation>Aucune modification de %1.</translation>
    </message>
    <message>
        <source>%1 is copied as it is (not text).</source>
        <translation>%1 est copié tel quel (pas du texte).</translation>
    </message>
</context>
<context>
    <name>Quillwright::MainToolBar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>one undo level</source>
        <translation>annuler un niveau</translation>
    </message>
    <message>
        <source>two undo levels</source>
        <translation>annuler deux niveaux</translation>
    </message>
    <message>
        <source>three undo levels</source>
        <translation>annuler trois niveaux</translation>
    </message>
    <message>
        <source>Add 'Find' button code.</source>
        <translation>Ajouter le code du bouton « Rechercher ».</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Autres boutons</translation>
    </message>
</context>
<context>
    <name>Quillwright::MainWindow</name>
    <message>
        <source>No more document windows can be numbered.</source>
        <translation>Plus aucune fenêtre de document ne peut être numérotée.</translation>
    </message>
    <message>
        <source>Document %1</source>
        <translation>Document %1</translation>
    </message>
</context>
<context>
    <name>Quillwright::ModArchive</name>
    <message>
        <source>It holds more than %1 entries: it is refused, as an archive made to fill a disk would be</source>
        <translation>Elle contient plus de %1 entrées : elle est refusée, comme le serait une archive faite pour remplir un disque</translation>
    </message>
    <message>
        <source>Its entry %1 leads outside the archive's folder: the archive is refused</source>
        <translation>Son entrée %1 mène hors du dossier de l'archive : l'archive est refusée</translation>
    </message>
    <message>
        <source>Its entry %1 is a link: the archive is refused, since a link could lead anywhere</source>
        <translation>Son entrée %1 est un lien : l'archive est refusée, car un lien pourrait mener n'importe où</translation>
    </message>
    <message>
        <source>Its entry %1 is not a file or a folder: the archive is refused</source>
        <translation>Son entrée %1 n'est ni un fichier ni un dossier : l'archive est refusée</translation>
    </message>
    <message>
        <source>Its entry %1 unpacks to more than %2 MB: the archive is refused</source>
        <translation>Son entrée %1 se décompresse en plus de %2 Mo : l'archive est refusée</translation>
    </message>
    <message>
        <source>It unpacks to far more than its own size: it is refused, as an archive made to fill a disk would be</source>
        <translation>Elle se décompresse en bien plus que sa propre taille : elle est refusée, comme le serait une archive faite pour remplir un disque</translation>
    </message>
    <message>
        <source>Its entry %1 cannot be unpacked: %2</source>
        <translation>Son entrée %1 ne peut pas être décompressée : %2</translation>
    </message>
    <message>
        <source>It is not a zip archive that can be read: %1</source>
        <translation>Ce n'est pas une archive zip lisible : %1</translation>
    </message>
    <message>
        <source>%1 is no path inside the archive's folder: nothing was written</source>
        <translation>%1 n'est pas un chemin dans le dossier de l'archive : rien n'a été écrit</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than an archive may hold: nothing was written</source>
        <translation>%1 dépasse %2 Mo, plus qu'une archive ne peut contenir : rien n'a été écrit</translation>
    </message>
    <message>
        <source>%1 is named twice: nothing was written</source>
        <translation>%1 est nommé deux fois : rien n'a été écrit</translation>
    </message>
    <message>
        <source>It would hold more than %1 entries: nothing was written</source>
        <translation>Elle contiendrait plus de %1 entrées : rien n'a été écrit</translation>
    </message>
    <message>
        <source>It would unpack to more than %1 MB: nothing was written</source>
        <translation>Elle se décompresserait en plus de %1 Mo : rien n'a été écrit</translation>
    </message>
    <message>
        <source>It would be refused when read: %1</source>
        <translation>Elle serait refusée à la lecture : %1</translation>
    </message>
</context>
<context>
    <name>Quillwright::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Pages d'options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Mod Source</source>
        <translation>Source du MOD</translation>
    </message>
    <message>
        <source>Colour Coding</source>
        <translation>Coloration</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilité</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <translation>Exemple 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <translation>Exemple 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <translation>Exemple 4</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
</context>
<context>
    <name>Quillwright::PreviewDiff</name>
    <message>
        <source>@@ from line %1 @@</source>
        <translation>@@ depuis la ligne %1 @@</translation>
    </message>
    <message>
        <source>Changes from line %1</source>
        <translation>Modifications depuis la ligne %1</translation>
    </message>
    <message>
        <source>Unchanged, line %1, line %2 once installed</source>
        <translation>Inchangée, ligne %1, ligne %2 une fois installé</translation>
    </message>
    <message>
        <source>Removed, line %1</source>
        <translation>Supprimée, ligne %1</translation>
    </message>
    <message>
        <source>Added, line %1 once installed</source>
        <translation>Ajoutée, ligne %1 une fois installé</translation>
    </message>
</context>
<context>
    <name>Quillwright::ProblemsPanel</name>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Forget This Forum</source>
        <translation>Oublier ce forum</translation>
    </message>
    <message>
        <source>Problems of the script</source>
        <translation>Problèmes du script</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Don't Report This Kind of Problem (%1)</source>
        <translation>Ne plus signaler ce genre de problème (%1)</translation>
    </message>
    <message>
        <source>Report Again</source>
        <translation>Signaler de nouveau</translation>
    </message>
    <message>
        <source>Each FIND is tried against a forum's files once you choose one (Check against forum files... in the status bar's menu).</source>
        <translation>Chaque FIND est essayé sur les fichiers d'un forum une fois que vous en choisissez un (Vérifier avec les fichiers d'un forum... dans le menu de la barre d'état).</translation>
    </message>
    <message>
        <source>Each FIND is tried against the files of the forum in %1.</source>
        <translation>Chaque FIND est essayé sur les fichiers du forum de %1.</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>&amp;Problèmes</translation>
    </message>
</context>
<context>
    <name>Quillwright::PropertiesDialog</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Installation level:</source>
        <translation>Niveau d'installation :</translation>
    </message>
    <message>
        <source>Installation time:</source>
        <translation>Durée d'installation :</translation>
    </message>
    <message>
        <source>Author Notes:</source>
        <translation>Notes de l'auteur :</translation>
    </message>
    <message>
        <source>Installation level</source>
        <translation>Niveau d'installation</translation>
    </message>
    <message>
        <source>Author details</source>
        <translation>Détails sur l'auteur</translation>
    </message>
    <message>
        <source>Choose the installation level</source>
        <translation>Choisir le niveau d'installation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>Quillwright::RecentFiles</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
</context>
<context>
    <name>Quillwright::ScriptDescription</name>
    <message>
        <source>nothing selected</source>
        <translation>rien de sélectionné</translation>
    </message>
    <message numerus="yes">
        <source>%n line selected</source>
        <translation><numerusform>%n ligne sélectionnée</numerusform><numerusform>%n lignes sélectionnées</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines selected</source>
        <translation><numerusform>%n ligne sélectionnée</numerusform><numerusform>%n lignes sélectionnées</numerusform></translation>
    </message>
    <message>
        <source>“%1” selected</source>
        <translation>« %1 » sélectionné</translation>
    </message>
</context>
<context>
    <name>Quillwright::SessionCommands</name>
    <message>
        <source>Quillwright ended without saving this work:

%1

Recover opens each in a window of its own; Discard deletes it.</source>
        <translation>Quillwright s'est arrêté sans enregistrer ce travail :

%1

Récupérer ouvre chacun dans sa propre fenêtre ; Abandonner le supprime.</translation>
    </message>
    <message>
        <source>These recovery files cannot be read and are kept with the ending ".damaged":

%1</source>
        <translation>Ces fichiers de récupération sont illisibles et sont conservés avec l'extension « .damaged » :

%1</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>Quillwright::StatusFields</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The encoding the script is saved in: a click chooses it for the next save</source>
        <translation>L'encodage dans lequel le script est enregistré : un clic le choisit pour le prochain enregistrement</translation>
    </message>
    <message>
        <source>The script checker's findings: a click or F8 goes to the next (Shift+F8 the one before)</source>
        <translation>Les constats du vérificateur : un clic ou F8 va au suivant (Maj+F8 au précédent)</translation>
    </message>
    <message>
        <source>Check against forum files...</source>
        <translation>Vérifier avec les fichiers du forum...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>Quillwright::TipWindow</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
</context>
<context>
    <name>Quillwright::WriteMenuCommands</name>
    <message>
        <source>&amp;New Script from Changes...</source>
        <translation>&amp;Nouveau script depuis des modifications...</translation>
    </message>
    <message>
        <source>&amp;Rewrite Actions from Changes...</source>
        <translation>Ré&amp;écrire les actions depuis des modifications...</translation>
    </message>
    <message>
        <source>New &amp;Upgrade Script...</source>
        <translation>Nouveau script de &amp;mise à jour...</translation>
    </message>
    <message>
        <source>The original forum</source>
        <translation>Le forum d'origine</translation>
    </message>
    <message>
        <source>The forum with your changes</source>
        <translation>Le forum avec vos modifications</translation>
    </message>
    <message>
        <source>The original and the changed forum are the same folder.</source>
        <translation>Le forum d'origine et le forum modifié sont le même dossier.</translation>
    </message>
    <message>
        <source>A folder for the MOD's package (the script and root/)</source>
        <translation>Un dossier pour le paquet du MOD (le script et root/)</translation>
    </message>
    <message>
        <source>%1 holds files already. Write the package into it? Its %2 and root/ folder are replaced; its other files stay.</source>
        <translation>%1 contient déjà des fichiers. Y écrire le paquet ? Son %2 et son dossier root/ sont remplacés ; ses autres fichiers restent.</translation>
    </message>
    <message>
        <source>Installs back exactly: %1 files, %2 actions.</source>
        <translation>Redonne tout exactement : %1 fichiers, %2 actions.</translation>
    </message>
    <message>
        <source>Not said in actions, copied whole: %1.</source>
        <translation>Non dit en actions, copié entier : %1.</translation>
    </message>
    <message>
        <source>Copied from root/ beside the script, which it does not carry: %1.</source>
        <translation>Copié depuis root/ à côté du script, qu'il ne porte pas : %1.</translation>
    </message>
    <message>
        <source>Does not install back exactly: %1.</source>
        <translation>Ne redonne pas exactement : %1.</translation>
    </message>
    <message>
        <source>Only line ends differ, left alone: %1.</source>
        <translation>Seules les fins de ligne diffèrent, laissé tel quel : %1.</translation>
    </message>
    <message>
        <source>Writing the package of the changes in %1...</source>
        <translation>Écriture du paquet des modifications de %1...</translation>
    </message>
    <message>
        <source>Writing the script of the changes in %1...</source>
        <translation>Écriture du script des modifications de %1...</translation>
    </message>
    <message>
        <source>The script of the version installed</source>
        <translation>Le script de la version installée</translation>
    </message>
    <message>
        <source>The script of the new version</source>
        <translation>Le script de la nouvelle version</translation>
    </message>
    <message>
        <source>Writing the upgrade to %1...</source>
        <translation>Écriture de la mise à jour vers %1...</translation>
    </message>
    <message>
        <source>The upgrade is written from the two installations as they went; check these, and add by hand what the new version leaves to do:</source>
        <translation>La mise à jour est écrite d'après les deux installations telles qu'elles se sont passées ; vérifiez ceci, et ajoutez à la main ce que la nouvelle version laisse à faire :</translation>
    </message>
</context>
<context>
    <name>Quillwright::Writer</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n'a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1 lies outside the package: nothing was written.</source>
        <translation>%1 est hors du paquet : rien n'a été écrit.</translation>
    </message>
    <message>
        <source>No folder was given for the package.</source>
        <translation>Aucun dossier n'a été donné pour le paquet.</translation>
    </message>
    <message>
        <source>%1 is inside the forum %2: the package goes elsewhere, or it would become part of the changes it describes.</source>
        <translation>%1 est dans le forum %2 : le paquet va ailleurs, sinon il ferait partie des modifications qu'il décrit.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>%1 is not empty: the package goes into a new or empty folder.</source>
        <translation>%1 n'est pas vide : le paquet va dans un dossier nouveau ou vide.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut être créé.</translation>
    </message>
    <message>
        <source>No folder can be made beside %1: %2</source>
        <translation>Aucun dossier ne peut être créé à côté de %1 : %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 n'a pas pu être remplacé.</translation>
    </message>
    <message>
        <source>The package could not be moved to %1.</source>
        <translation>Le paquet n'a pas pu être déplacé vers %1.</translation>
    </message>
    <message>
        <source>No folder can be made in %1: %2</source>
        <translation>Aucun dossier ne peut être créé dans %1 : %2</translation>
    </message>
    <message>
        <source>it holds a line break</source>
        <translation>il contient un saut de ligne</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>il contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>it begins or ends with a blank</source>
        <translation>il commence ou finit par un blanc</translation>
    </message>
    <message>
        <source>it holds a backslash, which installers read as a folder separator</source>
        <translation>il contient une barre oblique inverse, que les installateurs lisent comme un séparateur de dossiers</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1: a script cannot name this file: %2. Rename it and write again.</source>
        <translation>%1 : un script ne peut nommer ce fichier : %2. Renommez-le et écrivez de nouveau.</translation>
    </message>
    <message>
        <source>Delete the file %1 from the forum.</source>
        <translation>Supprimez le fichier %1 du forum.</translation>
    </message>
    <message>
        <source>No file was given for the package.</source>
        <translation>Aucun fichier n'a été donné pour le paquet.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The package cannot be written as a zip: %1</source>
        <translation>Le paquet ne peut pas être écrit en zip : %1</translation>
    </message>
    <message>
        <source>Installed from the zip, the package does not give %1 as it was changed: nothing was written.</source>
        <translation>Installé depuis le zip, le paquet ne redonne pas %1 tel qu'il a été modifié : rien n'a été écrit.</translation>
    </message>
</context>
<context>
    <name>RecoveryJournal</name>
    <message>
        <source>too large</source>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>pas un fichier de récupération</translation>
    </message>
    <message>
        <source>cut short (%1 of %2 bytes)</source>
        <translation>tronqué (%1 octets sur %2)</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>texte non valide</translation>
    </message>
    <message>
        <source>binary, not a script</source>
        <translation>binaire, pas un script</translation>
    </message>
</context>
<context>
    <name>SaveScript</name>
    <message>
        <source>%1 contains %2 character(s) that a MOD script file cannot hold (Windows-1252), the first on line %3.

Save anyway, writing "?" in their place?</source>
        <translation>%1 contient %2 caractère(s) qu'un fichier de script MOD ne peut pas contenir (Windows-1252), le premier à la ligne %3.

Enregistrer quand même, en écrivant « ? » à leur place ?</translation>
    </message>
    <message>
        <source>Could not save %1.

%2</source>
        <translation>Impossible d'enregistrer %1.

%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as UTF-8</source>
        <translation>Enregistrer en UTF-8</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 contains %2 character(s) that its encoding, %4, cannot hold, the first on line %3.

Save anyway, writing "?" in their place?</source>
        <translation>%1 contient %2 caractère(s) que son codage, %4, ne peut pas contenir, le premier à la ligne %3.

Enregistrer quand même, en écrivant « ? » à leur place ?</translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n'a été donné.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n'existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C'est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file is %1 MB; scripts larger than %2 MB are not opened.</source>
        <translation>Le fichier fait %1 Mo ; les scripts de plus de %2 Mo ne sont pas ouverts.</translation>
    </message>
    <message>
        <source>The file grew beyond %1 MB while it was read.</source>
        <translation>Le fichier a dépassé %1 Mo pendant sa lecture.</translation>
    </message>
    <message>
        <source>Line %1 is %2 characters long; Quillwright takes lines of at most %3 characters.</source>
        <translation>La ligne %1 fait %2 caractères ; Quillwright accepte des lignes d'au plus %3 caractères.</translation>
    </message>
    <message>
        <source>Line %1 would be %2 characters long; Quillwright takes lines of at most %3 characters.</source>
        <translation>La ligne %1 ferait %2 caractères ; Quillwright accepte des lignes d'au plus %3 caractères.</translation>
    </message>
    <message>
        <source>The device does not take the text now.</source>
        <translation>Le périphérique n'accepte pas le texte pour l'instant.</translation>
    </message>
    <message>
        <source>You may not change this file: it belongs to another user, or its permissions let no one write it. Save the script under another name.</source>
        <translation>Vous ne pouvez pas modifier ce fichier : il appartient à un autre utilisateur, ou ses droits ne permettent à personne de l'écrire. Enregistrez le script sous un autre nom.</translation>
    </message>
</context>
<context>
    <name>TextEncoding</name>
    <message>
        <source>UTF-8 with BOM</source>
        <translation>UTF-8 avec BOM</translation>
    </message>
    <message>
        <source>It is encoded as UTF-16, which Quillwright cannot edit; save it as UTF-8 or Windows-1252 first.</source>
        <translation>Il est encodé en UTF-16, que Quillwright ne peut pas modifier ; enregistrez-le d'abord en UTF-8 ou en Windows-1252.</translation>
    </message>
    <message>
        <source>It is a binary file, not a MOD script.</source>
        <translation>C'est un fichier binaire, pas un script MOD.</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>chinois traditionnel</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>chinois simplifié</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cyrillique</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>It is encoded as %1 (%2), not as UTF-8 or Windows-1252, which MOD installers expect: they read its letters as other characters. Quillwright shows its text as the author wrote it and saves it as %1 again.</source>
        <translation>Il est codé en %1 (%2), pas en UTF-8 ni en Windows-1252, qu'attendent les installeurs de MOD : ils lisent ses lettres comme d'autres caractères. Quillwright montre son texte tel que l'auteur l'a écrit et l'enregistre de nouveau en %1.</translation>
    </message>
    <message>
        <source>Some of its bytes are no %1 character: saving it writes other bytes in their place.</source>
        <translation>Certains de ses octets ne sont aucun caractère %1 : l'enregistrer écrit d'autres octets à leur place.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>That the %1 file was not found? </source>
        <translation>Que le fichier %1 est introuvable ? </translation>
    </message>
    <message>
        <source>Create a text file named %1 using NotePad with 1 tip per line. Then place it in the same directory as the application. </source>
        <translation>Créez un fichier texte nommé %1 avec le Bloc-notes, une astuce par ligne. Placez-le ensuite dans le même dossier que l'application. </translation>
    </message>
</context>
<context>
    <name>Writer</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut être lu : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c'est un dossier</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n'existe pas</translation>
    </message>
    <message>
        <source>the archive holds no MOD script</source>
        <translation>l'archive ne contient aucun script MOD</translation>
    </message>
    <message>
        <source>the archive holds several MOD scripts and none is named install: %1</source>
        <translation>l'archive contient plusieurs scripts MOD et aucun ne s'appelle install : %1</translation>
    </message>
</context>
</TS>