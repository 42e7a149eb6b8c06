<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AddLoginItemDialog</name>
    <message>
        <source>Add an Application</source>
        <translation>Adicionar um aplicativo</translation>
    </message>
    <message>
        <source>Start an application when you log in</source>
        <translation>Iniciar um aplicativo quando você iniciar a sessão</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
</context>
<context>
    <name>AdminPass</name>
    <message>
        <source>the administrator removal did not understand the request; left in place</source>
        <translation>a remoção como administrador não entendeu o pedido; permanece onde está</translation>
    </message>
    <message>
        <source>lies outside the places the administrator removal covers; left in place</source>
        <translation>está fora dos locais abrangidos pela remoção como administrador; permanece onde está</translation>
    </message>
    <message>
        <source>its folder changed while the password was asked for; left in place</source>
        <translation>sua pasta mudou enquanto a senha era pedida; permanece onde está</translation>
    </message>
    <message>
        <source>is or lies in a protected folder; left in place</source>
        <translation>é ou está em uma pasta protegida; permanece onde está</translation>
    </message>
    <message>
        <source>it changed while the password was asked for; left in place</source>
        <translation>mudou enquanto a senha era pedida; permanece onde está</translation>
    </message>
    <message>
        <source>cannot be reached without following a link or entering another file system; left in place</source>
        <translation>só é acessível seguindo um link ou entrando em outro sistema de arquivos; permanece onde está</translation>
    </message>
    <message>
        <source>cannot be reached below its folder; left in place</source>
        <translation>não é acessível dentro da sua pasta; permanece onde está</translation>
    </message>
    <message>
        <source>the administrator helper sweepwright-privileged is not installed; left in place</source>
        <translation>o auxiliar de administrador sweepwright-privileged não está instalado; permanece onde está</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; permanece onde está</translation>
    </message>
    <message>
        <source>the administrator removal gave no answer for it; left in place</source>
        <translation>a remoção como administrador não deu resposta sobre este item; permanece onde está</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>why the administrator removal refused, and what it met</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Sweepwright is running as root. It never needs to: run it as the user whose files it cleans.</source>
        <translation>O Sweepwright está sendo executado como root, o que nunca é necessário: execute-o como o usuário cujos arquivos ele limpa.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Abrir um resultado salvo</translation>
    </message>
    <message>
        <source>%1 was not opened: Duplicates is busy with another result. Start over there, then open it from the folder page.</source>
        <translation>%1 não foi aberto: Duplicados está ocupado com outro resultado. Recomece lá e depois abra-o pela página de pastas.</translation>
    </message>
</context>
<context>
    <name>AppRemoval</name>
    <message>
        <source>it is still installed</source>
        <translation>ainda está instalado</translation>
    </message>
    <message>
        <source>left in place: the application itself was not removed (%1)</source>
        <translation>permanece onde está: o próprio aplicativo não foi removido (%1)</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, was not removed (%2)</source>
        <translation>permanece onde está: %1, que também o usa, não foi removido (%2)</translation>
    </message>
    <message>
        <source>left in place: the application itself is not being removed</source>
        <translation>permanece onde está: o próprio aplicativo não está sendo removido</translation>
    </message>
    <message>
        <source>left in place: %1, which also uses it, is not being removed</source>
        <translation>permanece onde está: %1, que também o usa, não está sendo removido</translation>
    </message>
    <message>
        <source>flatpak left it installed</source>
        <translation>o flatpak o manteve instalado</translation>
    </message>
    <message>
        <source>PackageKit left it installed</source>
        <translation>o PackageKit o manteve instalado</translation>
    </message>
    <message>
        <source>apt-get left it installed</source>
        <translation>o apt-get o manteve instalado</translation>
    </message>
</context>
<context>
    <name>AppsCommand</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n applications; give one of their identifiers or paths:</source>
        <translation>
            <numerusform>&quot;%1&quot; corresponde a %n aplicativo; informe o identificador ou o caminho dele:</numerusform>
            <numerusform>&quot;%1&quot; corresponde a %n aplicativos; informe o identificador ou o caminho de um deles:</numerusform>
        </translation>
    </message>
    <message>
        <source>found no application &quot;%1&quot;</source>
        <translation>nenhum aplicativo &quot;%1&quot; encontrado</translation>
    </message>
    <message numerus="yes">
        <source>Found %n application(s), %1 in total.
</source>
        <translation>
            <numerusform>%n aplicativo encontrado, %1 no total.
</numerusform>
            <numerusform>%n aplicativos encontrados, %1 no total.
</numerusform>
        </translation>
    </message>
    <message>
        <source>app</source>
        <comment>an application&apos;s own files</comment>
        <translation>aplicativo</translation>
    </message>
    <message>
        <source>cache</source>
        <comment>an application&apos;s cache</comment>
        <translation>cache</translation>
    </message>
    <message>
        <source>settings</source>
        <comment>an application&apos;s settings</comment>
        <translation>preferências</translation>
    </message>
    <message>
        <source>data</source>
        <comment>the user&apos;s data of an application</comment>
        <translation>dados</translation>
    </message>
    <message>
        <source>bundle</source>
        <comment>an application installed as a bundle</comment>
        <translation>pacote .app</translation>
    </message>
    <message>
        <source>appimage</source>
        <comment>an application installed as an AppImage</comment>
        <translation>appimage</translation>
    </message>
    <message>
        <source>home</source>
        <comment>an application installed in the home folder</comment>
        <translation>pasta pessoal</translation>
    </message>
    <message>
        <source>flatpak</source>
        <comment>an application installed as a Flatpak</comment>
        <translation>flatpak</translation>
    </message>
    <message>
        <source>package</source>
        <comment>an application installed as a system package</comment>
        <translation>pacote</translation>
    </message>
    <message>
        <source>--with-data goes with --remove</source>
        <translation>--with-data só pode ser usado com --remove</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                            [--remove APP... [--with-data] [--yes | --dry-run]]
Lists the installed applications, each with its own files and what it left in the
home that is its alone, by kind (app, cache, settings, and the user&apos;s data: what
lies in XDG_DATA_HOME, ~/.var/app/ID/data or a dot folder such as ~/.thunderbird),
and their sizes; [x] (&quot;isDel&quot; in JSON) marks what removing the application takes
(with --remove: what this run takes).
With --remove the application APP is removed with its ticked items: all but the
user&apos;s data, unless --with-data is given. What the user owns goes to the Trash,
where it can be restored. It asks first on a terminal, or goes with --yes;
otherwise the plan is printed and nothing is removed (exit status 2). APP is the name as listed, or, where several applications
share a name, one of its identifiers: the desktop-file id, the Flatpak id, the
package name or its path; a shared name removes nothing and lists the candidates
(exit status 2). The application goes first (packages by their package manager,
files only an administrator may remove after one password prompt); its leftovers
only once it is gone, else they stay and the report says why. Ctrl-C stops the
scan, or the removal after the current item (exit status 130).

  --json         print one JSON object instead of a list
  --remove APP   remove the application APP and its leftovers (repeatable)
  --with-data    with --remove, take the user&apos;s data of APP too
  --yes          remove without asking
  --dry-run      show what --remove would remove, and remove nothing
  --help         show this text
  -V, --version  show the version
</source>
        <translation>Uso: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
                          [--remove APP... [--with-data] [--yes | --dry-run]]
Lista os aplicativos instalados, cada um com seus próprios arquivos e o que deixou na
pasta pessoal que pertence só a ele, por tipo (aplicativo, cache, preferências e os dados do
usuário: o que está em XDG_DATA_HOME, ~/.var/app/ID/data ou numa pasta oculta como ~/.thunderbird),
e seus tamanhos; [x] (&quot;isDel&quot; no JSON) marca o que a remoção do aplicativo levaria
(com --remove: o que esta execução leva).
Com --remove, o aplicativo APP é removido com seus itens marcados: todos, exceto os
dados do usuário, a menos que --with-data seja informado. O que pertence ao usuário vai para a
lixeira, de onde pode ser restaurado. Antes pergunta em um terminal, ou prossegue com --yes;
caso contrário, mostra o plano e não remove nada (status de saída 2). APP é o nome listado ou, se vários aplicativos
têm o mesmo nome, um dos seus identificadores: o id do arquivo desktop, o id do Flatpak, o
nome do pacote ou o caminho; um nome compartilhado não remove nada e lista os candidatos
(status de saída 2). O aplicativo é removido primeiro (pacotes pelo gerenciador de pacotes,
arquivos que só um administrador pode remover após um único pedido de senha); os resíduos
só depois que ele for removido; senão, permanecem, e o relatório diz por quê. Ctrl-C interrompe a
análise, ou a remoção após o item atual (status de saída 130).

  --json         mostra um único objeto JSON em vez de uma lista
  --remove APP   remove o aplicativo APP e seus resíduos (pode ser repetido)
  --with-data    com --remove, leva também os dados do usuário de APP
  --yes          remove sem perguntar
  --dry-run      mostra o que --remove removeria, e não remove nada
  --help         mostra este texto
  -V, --version  mostra a versão
</translation>
    </message>
</context>
<context>
    <name>CategoryRoots</name>
    <message>
        <source>it vanished</source>
        <translation>desapareceu</translation>
    </message>
    <message>
        <source>it is a link in %1, a folder others can write</source>
        <translation>é um link em %1, uma pasta em que outros podem gravar</translation>
    </message>
    <message>
        <source>it belongs to another user and lies in %1, a folder others can write</source>
        <translation>pertence a outro usuário e está em %1, uma pasta em que outros podem gravar</translation>
    </message>
    <message>
        <source>it belongs to another user and anyone can write it</source>
        <translation>pertence a outro usuário e qualquer um pode gravar nela</translation>
    </message>
    <message>
        <source>Leaving %1 alone: %2</source>
        <translation>Ignorando %1: %2</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>não é um caminho absoluto</translation>
    </message>
</context>
<context>
    <name>CleanSchedule</name>
    <message>
        <source>The command-line program is not installed beside this one (%1).</source>
        <translation>O programa de linha de comando não está instalado junto a este (%1).</translation>
    </message>
    <message>
        <source>The program&apos;s path cannot be written in a unit file: %1</source>
        <translation>O caminho do programa não pode ser escrito em um arquivo de unidade: %1</translation>
    </message>
    <message>
        <source>Could not write the timer into %1.</source>
        <translation>Não foi possível gravar o temporizador em %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Não foi possível remover %1.</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>could not write the report: %1</source>
        <translation>não foi possível gravar o relatório: %1</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli %1 --help&apos;.</source>
        <translation>Experimente &apos;sweepwright-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>nenhum arquivo informado</translation>
    </message>
    <message>
        <source>more than one file given</source>
        <translation>mais de um arquivo informado</translation>
    </message>
    <message>
        <source>running as root is never needed; protected system folders stay untouched.</source>
        <translation>nunca é necessário executar como root; as pastas protegidas do sistema permanecem intocadas.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>scan for junk files and list them, or remove them with --clean</source>
        <translation>procura arquivos desnecessários e os lista, ou os remove com --clean</translation>
    </message>
    <message>
        <source>list the files of 32 MB and more in folders, or move them to the Trash</source>
        <translation>lista os arquivos de 32 MB ou mais em pastas, ou os move para a lixeira</translation>
    </message>
    <message>
        <source>list duplicate files in folders, or move all copies but one to the Trash</source>
        <translation>lista os arquivos duplicados em pastas, ou move para a lixeira todas as cópias exceto uma</translation>
    </message>
    <message>
        <source>list the installed applications and their leftovers, or remove some with --remove</source>
        <translation>lista os aplicativos instalados e seus resíduos, ou remove alguns com --remove</translation>
    </message>
    <message>
        <source>list the add-ons by category, or remove some with --remove</source>
        <translation>lista os complementos por categoria, ou remove alguns com --remove</translation>
    </message>
    <message>
        <source>list the applications started at login, or switch one with --on or --off</source>
        <translation>lista os aplicativos iniciados com a sessão, ou ativa ou desativa um com --on ou --off</translation>
    </message>
    <message>
        <source>show memory and disk use, or release memory with --release</source>
        <translation>mostra o uso de memória e de disco, ou libera memória com --release</translation>
    </message>
    <message>
        <source>extract an archive or a winmail.dat file, or list what it holds</source>
        <translation>extrai um arquivo compactado ou um arquivo winmail.dat, ou lista o conteúdo</translation>
    </message>
    <message>
        <source>make a smaller copy of a PDF document</source>
        <translation>cria uma cópia menor de um documento PDF</translation>
    </message>
    <message>
        <source>remove files and folders whole, optionally overwriting their contents first</source>
        <translation>remove arquivos e pastas inteiros, opcionalmente sobrescrevendo o conteúdo antes</translation>
    </message>
    <message>
        <source>write the attachments and message bodies of a winmail.dat file into a folder</source>
        <translation>grava em uma pasta os anexos e os corpos de mensagem de um arquivo winmail.dat</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli COMMAND [options]
       sweepwright-cli COMMAND --help
       sweepwright-cli -V | --version

Commands:
</source>
        <translation>Uso: sweepwright-cli COMMAND [opções]
     sweepwright-cli COMMAND --help
     sweepwright-cli -V | --version

Comandos:
</translation>
    </message>
    <message>
        <source>Layout options (commands that look at the disk):</source>
        <translation>Opções de esquema (comandos que examinam o disco):</translation>
    </message>
    <message>
        <source>The variables SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT and SWEEPWRIGHT_HOME set the same;
the options win.

Commands that remove or move files act only with --yes or after a question on a
terminal; otherwise they print the plan and exit 2. --dry-run prints the plan and
touches nothing. Ctrl-C stops a scan, or a removal after the current item (exit 130).
&quot;--&quot; ends the options: what follows is a path even when it starts with &quot;-&quot;. A
FOLDER or PATH of &quot;-&quot; (large, dups, shred) reads the paths from standard input,
one a line or separated by NUL bytes.
</source>
        <translation>As variáveis SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT e SWEEPWRIGHT_HOME definem o mesmo;
as opções têm prioridade.

Os comandos que removem ou movem arquivos só agem com --yes ou após uma pergunta em um
terminal; caso contrário, mostram o plano e saem com status 2. --dry-run mostra o plano e
não toca em nada. Ctrl-C interrompe uma análise, ou uma remoção após o item atual (saída 130).
&quot;--&quot; encerra as opções: o que vem depois é um caminho mesmo que comece com &quot;-&quot;. Se
FOLDER ou PATH for &quot;-&quot; (large, dups, shred), os caminhos são lidos da entrada padrão,
um por linha ou separados por bytes NUL.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Try &apos;sweepwright-cli --help&apos;.</source>
        <translation>Experimente &apos;sweepwright-cli --help&apos;.</translation>
    </message>
    <message>
        <source>tell or set how often junk is cleaned automatically</source>
        <translation>mostrar ou definir com que frequência os arquivos desnecessários são limpos automaticamente</translation>
    </message>
    <message>
        <source>list what every tool removed, or put back what a run moved to the Trash</source>
        <translation>listar o que cada ferramenta removeu, ou devolver o que uma execução moveu para a Lixeira</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
</context>
<context>
    <name>CliPassword</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>não é possível ler o arquivo de senha %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Where to look: freedesktop or macos.</source>
        <translation>Onde procurar: freedesktop ou macos.</translation>
    </message>
    <message>
        <source>The root the system folders are under.</source>
        <translation>A raiz sob a qual ficam as pastas do sistema.</translation>
    </message>
    <message>
        <source>The home folder to look in.</source>
        <translation>A pasta pessoal em que procurar.</translation>
    </message>
    <message>
        <source>Sweepwright, the desktop maintenance utility.</source>
        <translation>Sweepwright, o utilitário de manutenção do computador.</translation>
    </message>
    <message>
        <source>Open a duplicate result saved as JSON, checked against the disk first.</source>
        <translation>Abrir um resultado de duplicados salvo como JSON, conferido antes com o disco.</translation>
    </message>
</context>
<context>
    <name>DupCopyCheck</name>
    <message>
        <source>The copy kept is no longer there</source>
        <translation>A cópia mantida não existe mais</translation>
    </message>
    <message>
        <source>Changed since the scan: no longer the same as the copy kept</source>
        <translation>Alterado desde a verificação: não é mais igual à cópia mantida</translation>
    </message>
</context>
<context>
    <name>DupExport</name>
    <message>
        <source>Export the Result</source>
        <translation>Exportar o resultado</translation>
    </message>
    <message>
        <source>Table for spreadsheets (*.csv)</source>
        <translation>Tabela para planilhas (*.csv)</translation>
    </message>
    <message>
        <source>Saved result to open again (*.json)</source>
        <translation>Resultado salvo para abrir de novo (*.json)</translation>
    </message>
    <message>
        <source>The result could not be saved: %1</source>
        <translation>Não foi possível salvar o resultado: %1</translation>
    </message>
</context>
<context>
    <name>DupKinds</name>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Músicas</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Packages</source>
        <translation>Pacotes</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Outros</translation>
    </message>
</context>
<context>
    <name>DupResultJson</name>
    <message>
        <source>%1: not an absolute path without &quot;.&quot; or &quot;..&quot;</source>
        <translation>%1: não é um caminho absoluto sem &quot;.&quot; ou &quot;..&quot;</translation>
    </message>
    <message>
        <source>%1: no size</source>
        <translation>%1: sem tamanho</translation>
    </message>
    <message>
        <source>%1: no modification time</source>
        <translation>%1: sem data de modificação</translation>
    </message>
    <message>
        <source>The file is too large to be a saved result.</source>
        <translation>O arquivo é grande demais para ser um resultado salvo.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>O arquivo não é um JSON válido (%1 no byte %2).</translation>
    </message>
    <message>
        <source>The file holds no list of duplicates.</source>
        <translation>O arquivo não contém uma lista de duplicados.</translation>
    </message>
</context>
<context>
    <name>DupSavedResult</name>
    <message>
        <source>%1: no longer a regular file</source>
        <translation>%1: não é mais um arquivo comum</translation>
    </message>
    <message>
        <source>%1: its size changed</source>
        <translation>%1: o tamanho mudou</translation>
    </message>
    <message>
        <source>%1: it was modified</source>
        <translation>%1: foi modificado</translation>
    </message>
    <message>
        <source>%1: reached through a symbolic link</source>
        <translation>%1: alcançado por um link simbólico</translation>
    </message>
    <message>
        <source>%1: not yours to move</source>
        <translation>%1: você não pode movê-lo</translation>
    </message>
    <message>
        <source>“%1” cannot be read.</source>
        <translation>Não é possível ler “%1”.</translation>
    </message>
    <message>
        <source>%1: no longer there</source>
        <translation>%1: não existe mais</translation>
    </message>
    <message>
        <source>%1: not the size of its set</source>
        <translation>%1: não tem o tamanho do seu grupo</translation>
    </message>
    <message>
        <source>%1: its contents differ from the other copies</source>
        <translation>%1: o conteúdo difere das outras cópias</translation>
    </message>
</context>
<context>
    <name>DupsCommand</name>
    <message numerus="yes">
        <source>%1  %n copies of %2
</source>
        <translation>
            <numerusform>%1  %n cópia de %2
</numerusform>
            <numerusform>%1  %n cópias de %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1 in all copies.
</source>
        <translation>
            <numerusform>%n grupo de duplicados encontrado, %1 em todas as cópias.
</numerusform>
            <numerusform>%n grupos de duplicados encontrados, %1 em todas as cópias.
</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 needs a rule: %2</source>
        <translation>%1 precisa de uma regra: %2</translation>
    </message>
    <message>
        <source>--keep takes %1, not &quot;%2&quot;</source>
        <translation>--keep aceita %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                            [--keep RULE] [--reference DIR]...
                            [--trash-all-but-first [--yes | --dry-run]]
Lists the sets of duplicate files and packages larger than 16 KiB in the folders
(default: the layout&apos;s default folders, below), largest first. Candidates of equal
size and sampled digest are compared byte by byte; hard links to one file count once.
A FOLDER of &quot;-&quot; reads the folders from standard input, one a line or separated by
NUL bytes. The system&apos;s protected folders are left out and named on stderr.

  --json                 print one JSON object instead of a list
  --quick                for files, trust equal size and sampled digest (up to three
                         4 KiB blocks: at the start and spread over the file) without
                         comparing whole contents: faster, but files that differ
                         elsewhere are reported as duplicates. Packages are always
                         compared by content: their digest holds only item names
  --keep RULE            which copy of each set stays: original (the copy outside
                         Downloads, the Trash and temporary folders, then one whose
                         name has no copy mark such as &quot;(1)&quot; or &quot;Copy of&quot;, then the
                         oldest, then the one in the deepest folder, then the first
                         found), oldest (earliest modification time, then the shortest
                         path), newest, shortest-path or first (the first found);
                         default: %1 in this layout
  --reference DIR        a folder of originals, scanned too (may be repeated): its
                         copies are marked [reference] (&quot;isReference&quot; in JSON) and
                         never moved; a set whose copies all lie in reference folders
                         is not listed; in a set with a reference copy, every other
                         copy is moved
  --trash-all-but-first  move every copy of each set but the one --keep keeps to the
                         Trash (after a question on a terminal, or with --yes), then
                         report what was moved and what was not (with the reason);
                         without either, the plan is printed and nothing moves
  --yes                  move without asking
  --dry-run              show what --trash-all-but-first would move, and move nothing
  --help                 show this text
  -V, --version          show the version
Sent to a file or a pipe, a run that moves nothing prints each set as it is found.
Exits 1 when an item could not be moved, 2 for a usage error or a folder that does not
exist or cannot be read, 130 after Ctrl-C (a removal stops after the current item).
</source>
        <translation>Uso: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]
                          [--keep RULE] [--reference DIR]...
                          [--trash-all-but-first [--yes | --dry-run]]
Lista os grupos de arquivos e pacotes duplicados maiores que 16 KiB nas pastas
(padrão: as pastas padrão do esquema, abaixo), dos maiores para os menores. Candidatos com
tamanho e resumo por amostragem iguais são comparados byte a byte; links físicos para um arquivo
contam uma vez. Se FOLDER for &quot;-&quot;, as pastas são lidas da entrada padrão, uma por linha ou
separadas por bytes NUL. As pastas protegidas do sistema ficam de fora e são indicadas no stderr.

  --json                 mostra um único objeto JSON em vez de uma lista
  --quick                para arquivos, confia em tamanho e resumo por amostragem iguais (até
                         três blocos de 4 KiB: no início e distribuídos pelo arquivo) sem
                         comparar o conteúdo inteiro: mais rápido, mas arquivos que diferem
                         em outras partes são apontados como duplicados. Pacotes são sempre
                         comparados pelo conteúdo: o resumo deles contém só nomes de itens
  --keep RULE            qual cópia de cada grupo permanece: original (a cópia fora de
                         Downloads, da lixeira e de pastas temporárias; depois, uma cujo
                         nome não tem marca de cópia como &quot;(1)&quot; ou &quot;Copy of&quot;; depois, a
                         mais antiga; depois, a da pasta mais profunda; depois, a primeira
                         encontrada), oldest (data de modificação mais antiga; depois, o caminho
                         mais curto), newest, shortest-path ou first (a primeira encontrada);
                         padrão: %1 neste esquema
  --reference DIR        uma pasta de originais, também analisada (pode ser repetida): suas
                         cópias são marcadas com [referência] (&quot;isReference&quot; no JSON) e nunca são movidas; um
                         grupo cujas cópias estão todas em pastas de referência não é listado; em um grupo com
                         uma cópia de referência, todas as outras cópias são movidas
  --trash-all-but-first  move para a lixeira todas as cópias de cada grupo, exceto a que
                         --keep mantém (após uma pergunta em um terminal, ou com --yes), e
                         depois informa o que foi movido e o que não foi (com o motivo);
                         sem nenhum dos dois, mostra o plano e não move nada
  --yes                  move sem perguntar
  --dry-run              mostra o que --trash-all-but-first moveria, e não move nada
  --help                 mostra este texto
  -V, --version          mostra a versão
Com a saída para um arquivo ou pipe, uma execução que não move nada mostra cada grupo ao encontrá-lo.
Sai com 1 quando um item não pôde ser movido, 2 em erro de uso ou pasta que não
existe ou não pode ser lida, 130 após Ctrl-C (uma remoção para após o item atual).
</translation>
    </message>
    <message>
        <source>reference</source>
        <extracomment>Marks a copy in a folder of originals in the list of a set&apos;s copies</extracomment>
        <translation>referência</translation>
    </message>
    <message>
        <source>Also:
  --csv                  print the sets as CSV (RFC 4180, UTF-8): set, size, path,
                         modification time, kept (yes for the copy that stays)
  --empty                list empty files, empty folders (holding only empty folders,
                         named at their top) and broken symbolic links instead of
                         duplicates; with --yes all of them go to the Trash, with
                         --dry-run the plan is shown
</source>
        <translation>Também:
  --csv                  mostrar os grupos como CSV (RFC 4180, UTF-8): grupo, tamanho,
                         caminho, data de modificação, mantido (yes para a cópia que fica)
  --empty                listar arquivos vazios, pastas vazias (que só contêm pastas
                         vazias, indicadas no nível mais alto) e links simbólicos
                         quebrados em vez de duplicados; com --yes todos vão para a
                         lixeira, com --dry-run o plano é mostrado
</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv e --json não podem ser usados juntos</translation>
    </message>
    <message numerus="yes">
        <source>%1  %n item(s), %2
</source>
        <translation>
            <numerusform>%1  %n item, %2
</numerusform>
            <numerusform>%1  %n itens, %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %n kind(s) of empty or broken items, %1 in all.
</source>
        <translation>
            <numerusform>Encontrado %n tipo de itens vazios ou quebrados, %1 no total.
</numerusform>
            <numerusform>Encontrados %n tipos de itens vazios ou quebrados, %1 no total.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Digests of files that did not change since an earlier scan are kept in %1
and not read again (copies are still compared byte by byte before they go):
  --no-cache             read every file, and keep nothing for the next scan
  --clear-cache          forget the digests kept, scan nothing
</source>
        <translation>Os resumos dos arquivos que não mudaram desde uma verificação anterior ficam guardados em %1
e não são lidos de novo (as cópias ainda são comparadas byte a byte antes de serem removidas):
  --no-cache             ler todos os arquivos e não guardar nada para a próxima verificação
  --clear-cache          esquecer os resumos guardados, sem verificar nada
</translation>
    </message>
    <message>
        <source>could not remove %1: %2</source>
        <translation>não foi possível remover %1: %2</translation>
    </message>
    <message>
        <source>Forgot the digests kept in %1.
</source>
        <translation>Os resumos guardados em %1 foram esquecidos.
</translation>
    </message>
    <message>
        <source>  --link KIND            instead of the Trash: replace every copy of each set but the
                         one --keep keeps by a link to that copy: hard (one file
                         system only), reflink (the copy keeps its own file and shares
                         the kept copy&apos;s data, where the file system can) or
                         symbolic. Each copy is compared byte by byte first; one that
                         changed since the scan is skipped. --yes and --dry-run work
                         as for --trash-all-but-first. Reports the space freed
</source>
        <translation>  --link KIND            em vez da Lixeira: substituir cada cópia de cada grupo, exceto
                         a que --keep mantém, por um link para essa cópia: hard (um só
                         sistema de arquivos), reflink (a cópia continua um arquivo
                         próprio que compartilha os dados da cópia mantida, onde o
                         sistema de arquivos permite) ou symbolic. Cada cópia é antes
                         comparada byte a byte; a que mudou desde a análise é ignorada.
                         --yes e --dry-run funcionam como em --trash-all-but-first.
                         Informa o espaço liberado
</translation>
    </message>
    <message>
        <source>%1 needs a kind: %2</source>
        <translation>%1 precisa de um tipo: %2</translation>
    </message>
    <message>
        <source>--link takes %1, not &quot;%2&quot;</source>
        <translation>--link aceita %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--link and --trash-all-but-first cannot be given together</source>
        <translation>--link e --trash-all-but-first não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--link and --empty cannot be given together</source>
        <translation>--link e --empty não podem ser usados juntos</translation>
    </message>
    <message>
        <source>                         (in a set, newer copies stay and are marked [recent];
                         a set is listed only when one of its copies may go)
</source>
        <translation>                         (em um grupo, as cópias mais novas ficam e são marcadas [recente];
                         um grupo só é listado quando uma de suas cópias pode sair)
</translation>
    </message>
    <message>
        <source>recent</source>
        <extracomment>Marks a copy modified within --older-than DAYS, which stays, in the list of a set&apos;s copies</extracomment>
        <translation>recente</translation>
    </message>
</context>
<context>
    <name>EmptyFinder</name>
    <message>
        <source>Empty files</source>
        <translation>Arquivos vazios</translation>
    </message>
    <message>
        <source>Empty folders</source>
        <translation>Pastas vazias</translation>
    </message>
    <message>
        <source>Broken links</source>
        <translation>Links quebrados</translation>
    </message>
    <message>
        <source>its target exists now</source>
        <translation>o destino agora existe</translation>
    </message>
    <message>
        <source>it is no longer empty</source>
        <translation>não está mais vazio</translation>
    </message>
    <message>
        <source>it is no longer what was found</source>
        <translation>não é mais o que foi encontrado</translation>
    </message>
    <message>
        <source>it holds more than empty folders now</source>
        <translation>agora contém mais do que pastas vazias</translation>
    </message>
</context>
<context>
    <name>ExtensionsCommand</name>
    <message>
        <source>Usage: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                  [--remove PATH... [--yes | --dry-run]]
Lists the add-ons of the layout (browser extensions, plug-ins, preview and search
add-ons and the like), by category, with their sizes, each with the browser or
desktop it belongs to and its browser profile (JSON: itemOwner, itemProfile), and
whether it is enabled where the browser&apos;s own files tell (itemEnabled; left out
otherwise). With --remove the items of
those paths (as listed) are removed, after a question on a terminal or with --yes;
otherwise the plan is printed and nothing is removed (exit status 2). Items only an
administrator may remove go last, after one password prompt. Ctrl-C stops the scan,
or the removal after the current item (exit status 130).

  --json         print one JSON object instead of a list
  --remove PATH  remove the add-on at PATH (repeatable)
  --yes          remove without asking
  --dry-run      show what --remove would remove, and remove nothing
  --help         show this text
  -V, --version  show the version
</source>
        <translation>Uso: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
                                [--remove PATH... [--yes | --dry-run]]
Lista os complementos do esquema (extensões de navegador, plug-ins, complementos de
visualização e de pesquisa etc.), por categoria, com os tamanhos, cada um com o navegador ou a
área de trabalho a que pertence e o perfil do navegador (JSON: itemOwner, itemProfile), e se
está ativado, quando os próprios arquivos do navegador informam (itemEnabled; omitido
caso contrário). Com --remove, os itens desses
caminhos (como listados) são removidos, após uma pergunta em um terminal ou com --yes;
caso contrário, mostra o plano e não remove nada (status de saída 2). Itens que só um
administrador pode remover vão por último, após um único pedido de senha. Ctrl-C interrompe a
análise, ou a remoção após o item atual (status de saída 130).

  --json         mostra um único objeto JSON em vez de uma lista
  --remove PATH  remove o complemento em PATH (pode ser repetido)
  --yes          remove sem perguntar
  --dry-run      mostra o que --remove removeria, e não remove nada
  --help         mostra este texto
  -V, --version  mostra a versão
</translation>
    </message>
    <message>
        <source>found no add-on %1</source>
        <translation>nenhum complemento %1 encontrado</translation>
    </message>
    <message>
        <source>enabled</source>
        <comment>an add-on</comment>
        <translation>ativado</translation>
    </message>
    <message>
        <source>disabled</source>
        <comment>an add-on</comment>
        <translation>desativado</translation>
    </message>
    <message numerus="yes">
        <source>Found %n add-on(s), %1 in total.
</source>
        <translation>
            <numerusform>%n complemento encontrado, %1 no total.
</numerusform>
            <numerusform>%n complementos encontrados, %1 no total.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Usage: sweepwright-cli extract FILE [-C DIR] [options]
Extracts an archive (zip, 7z, rar, tar and its compressed forms, iso, cab, lzh...)
or a winmail.dat file. Without -C it goes into a folder named after FILE in a
new private folder in the temporary folder, as on the Archives page; the
destination is printed.

  -C DIR               write the entries into DIR exactly as the archive names
                       them; DIR is made when its parent exists, and a link to
                       a folder is followed
  --password-file F    the password is the first line of F
  --password-stdin     the password is the first line of standard input
                       Without either it is asked for on the terminal, if there
                       is one (three times at most); only an archive that needs
                       one asks.
  --encoding NAME      decode names that are not UTF-8 with NAME, an ICU
                       converter name or alias (Shift_JIS, GBK, windows-1252...);
                       &quot;auto&quot; lets the detector decide; &quot;list&quot; prints the common
                       ones.
                       Default: the application&apos;s setting
  --list               write nothing; print the type, size and path of each entry
                       (size ? when the archive does not say)
  --json               print the result as a JSON object (on failure too, with
                       its &quot;error&quot;); nothing else goes to standard output
  --help               show this text
  -V, --version        show the version

Entries that would land outside the destination (absolute paths, &quot;..&quot;, links
leading out, special files) are skipped and reported; control characters in
names are shown escaped (\n, \x1b, \\). A file is written under a hidden
name and gets its own only once complete. An extraction that fails leaves no
folder of its own behind. Exit status: 0 done; 1 the file is missing, damaged,
cut short or in a format not read, the password is wrong or missing, TMPDIR
is not usable, or the disk ran short; 2 a usage error; 130 Ctrl-C.
</source>
        <translation>Uso: sweepwright-cli extract FILE [-C DIR] [opções]
Extrai um arquivo compactado (zip, 7z, rar, tar e suas variantes compactadas, iso, cab, lzh...)
ou um arquivo winmail.dat. Sem -C, extrai para uma pasta com o nome de FILE dentro de uma
nova pasta particular na pasta temporária, como na página Arquivos compactados; o
destino é mostrado.

  -C DIR               grava as entradas em DIR exatamente com os nomes que o arquivo
                       compactado lhes dá; DIR é criada se a pasta-mãe existir, e um link
                       para uma pasta é seguido
  --password-file F    a senha é a primeira linha de F
  --password-stdin     a senha é a primeira linha da entrada padrão
                       Sem nenhuma das duas, ela é pedida no terminal, se houver
                       um (três vezes no máximo); só pede a senha um arquivo compactado
                       que precisa de uma.
  --encoding NAME      decodifica com NAME os nomes que não estão em UTF-8; NAME é um
                       nome ou alias de conversor ICU (Shift_JIS, GBK, windows-1252...);
                       &quot;auto&quot; deixa o detector decidir; &quot;list&quot; mostra os mais
                       comuns.
                       Padrão: a preferência do aplicativo
  --list               não grava nada; mostra o tipo, o tamanho e o caminho de cada entrada
                       (tamanho ? quando o arquivo compactado não informa)
  --json               mostra o resultado como um objeto JSON (também em caso de falha,
                       com o &quot;error&quot;); nada mais vai para a saída padrão
  --help               mostra este texto
  -V, --version        mostra a versão

As entradas que ficariam fora do destino (caminhos absolutos, &quot;..&quot;, links que
apontam para fora, arquivos especiais) são ignoradas e relatadas; caracteres de controle
nos nomes são mostrados escapados (\n, \x1b, \\). Cada arquivo é gravado com um nome
oculto e só recebe o seu quando está completo. Uma extração que falha não deixa
nenhuma pasta própria. Status de saída: 0 concluído; 1 o arquivo não existe, está danificado,
truncado ou num formato não lido, a senha está errada ou falta, TMPDIR
não pode ser usado ou o disco ficou sem espaço; 2 erro de uso; 130 Ctrl-C.
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 precisa de uma pasta</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 precisa de um arquivo</translation>
    </message>
    <message>
        <source>%1 needs an encoding name</source>
        <translation>%1 precisa de um nome de codificação</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot; (--encoding list prints the names)</source>
        <translation>codificação desconhecida &quot;%1&quot; (--encoding list mostra os nomes)</translation>
    </message>
    <message>
        <source>--password-file and --password-stdin exclude each other</source>
        <translation>--password-file e --password-stdin são mutuamente exclusivas</translation>
    </message>
    <message>
        <source>-C: %1 is a link that leads nowhere</source>
        <translation>-C: %1 é um link que não aponta para lugar nenhum</translation>
    </message>
    <message>
        <source>-C: the folder %1 does not exist</source>
        <translation>-C: a pasta %1 não existe</translation>
    </message>
    <message>
        <source>-C: cannot make the folder %1</source>
        <translation>-C: não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>-C: %1 is not a folder</source>
        <translation>-C: %1 não é uma pasta</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>what was written stays in %1</source>
        <translation>o que foi gravado permanece em %1</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listando</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extraindo</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Senha de %1: </translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Senha necessária</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Este formato de arquivo compactado não é suportado</translation>
    </message>
    <message>
        <source>the file could not be extracted</source>
        <translation>não foi possível extrair o arquivo</translation>
    </message>
</context>
<context>
    <name>ExtractReport</name>
    <message numerus="yes">
        <source>%n item(s) written before the error stay in %1</source>
        <translation>
            <numerusform>%n item gravado antes do erro permanece em %1</numerusform>
            <numerusform>%n itens gravados antes do erro permanecem em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>dir</source>
        <comment>an archive entry that is a folder</comment>
        <translation>pasta</translation>
    </message>
    <message>
        <source>link</source>
        <comment>an archive entry that is a symbolic link</comment>
        <translation>link</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an archive entry that is a file</comment>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>arquivo especial</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 ignorado: %2</translation>
    </message>
</context>
<context>
    <name>ExtractToStatus</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Extracting to %1…</source>
        <translation>Extraindo para %1…</translation>
    </message>
    <message>
        <source>Extracting to %1… %2%</source>
        <translation>Extraindo para %1… %2%</translation>
    </message>
    <message>
        <source>Extracted to %1</source>
        <translation>Extraído para %1</translation>
    </message>
    <message numerus="yes">
        <source>Extracted to %1; %n item(s) left out</source>
        <translation>
            <numerusform>Extraído para %1; %n item deixado de fora</numerusform>
            <numerusform>Extraído para %1; %n itens deixados de fora</numerusform>
        </translation>
    </message>
    <message>
        <source>Extraction to %1 stopped</source>
        <translation>Extração para %1 interrompida</translation>
    </message>
    <message>
        <source>Could not extract to %1: %2</source>
        <translation>Não foi possível extrair para %1: %2</translation>
    </message>
</context>
<context>
    <name>FileTreeModel</name>
    <message>
        <source>Directory</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Criação</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>FinderCommand</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: pasta inexistente</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: não é uma pasta</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: não é possível ler</translation>
    </message>
    <message>
        <source>Default folders in the %1 layout: %2
</source>
        <translation>Pastas padrão do esquema %1: %2
</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>changed while it was being removed</source>
        <translation>mudou durante a remoção</translation>
    </message>
    <message>
        <source>stopped before the end; the rest stays</source>
        <translation>parou antes do fim; o restante permanece</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>outro sistema de arquivos está montado aqui; fica como está</translation>
    </message>
    <message>
        <source>a folder was moved while it was being walked; stopped</source>
        <translation>uma pasta foi movida enquanto era percorrida; operação interrompida</translation>
    </message>
    <message>
        <source>%1; it is left as %2</source>
        <translation>%1; permanece como %2</translation>
    </message>
</context>
<context>
    <name>FolderZip</name>
    <message>
        <source>Cannot write the zip file</source>
        <translation>Não é possível gravar o arquivo zip</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>Não é uma pasta: %1</translation>
    </message>
</context>
<context>
    <name>GeneralPrefViewController</name>
    <message>
        <source>Start Sweepwright when you log in</source>
        <translation>Abrir o Sweepwright ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Release memory automatically when its use exceeds</source>
        <translation>Liberar memória automaticamente quando o uso passar de</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Memory use is checked every 30 seconds while Sweepwright runs.</source>
        <translation>O uso de memória é verificado a cada 30 segundos enquanto o Sweepwright está em execução.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Remember file digests between duplicate scans</source>
        <translation>Lembrar os resumos dos arquivos entre buscas de duplicados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Unchanged files are not read again; copies are still compared byte by byte before they go.</source>
        <translation>Arquivos sem alterações não são lidos de novo; as cópias ainda são comparadas byte a byte antes de serem removidas.</translation>
    </message>
    <message>
        <source>Clear the remembered digests</source>
        <translation>Limpar os resumos lembrados</translation>
    </message>
    <message>
        <source>The remembered digests are cleared.</source>
        <translation>Os resumos lembrados foram limpos.</translation>
    </message>
    <message>
        <source>Could not clear %1.</source>
        <translation>Não foi possível limpar %1.</translation>
    </message>
</context>
<context>
    <name>GhostscriptRun</name>
    <message>
        <source>Ghostscript cannot be given a password with a backslash before a quote or at its end</source>
        <translation>não é possível passar ao Ghostscript uma senha com barra invertida antes de aspas ou no final</translation>
    </message>
    <message>
        <source>the password could not be handed to Ghostscript</source>
        <translation>não foi possível passar a senha ao Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript (gs) is not installed</source>
        <translation>o Ghostscript (gs) não está instalado</translation>
    </message>
    <message>
        <source>Ghostscript could not be started: %1</source>
        <translation>não foi possível iniciar o Ghostscript: %1</translation>
    </message>
    <message numerus="yes">
        <source>Ghostscript finished no page for %n second(s)</source>
        <translation>
            <numerusform>o Ghostscript não concluiu nenhuma página em %n segundo</numerusform>
            <numerusform>o Ghostscript não concluiu nenhuma página em %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Ghostscript was stopped</source>
        <translation>o Ghostscript foi interrompido</translation>
    </message>
    <message>
        <source>Ghostscript reached its memory limit of %1</source>
        <translation>o Ghostscript atingiu seu limite de memória de %1</translation>
    </message>
    <message>
        <source>Ghostscript stopped unexpectedly (it crashed or was killed)</source>
        <translation>o Ghostscript parou inesperadamente (travou ou foi encerrado à força)</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1</source>
        <translation>o Ghostscript terminou com o status %1</translation>
    </message>
    <message>
        <source>Ghostscript ended with status %1: %2</source>
        <translation>o Ghostscript terminou com o status %1: %2</translation>
    </message>
</context>
<context>
    <name>HelperProgram</name>
    <message>
        <source>this command&apos;s program %1 is missing (looked for %2 and %3)</source>
        <translation>o programa %1 deste comando não foi encontrado (procurado em %2 e %3)</translation>
    </message>
    <message>
        <source>this command&apos;s program %1 is missing</source>
        <translation>o programa %1 deste comando não foi encontrado</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>não é possível executar %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>Usage: sweepwright-cli history [--home H] [--json]
       sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
Lists what every tool removed, in the window and here, newest first: each run
with its id, time, tool and what became of its items (moved to the Trash,
deleted for good, not done). The record is kept in
$XDG_STATE_HOME/sweepwright/history.jsonl for a year, at most 10 MB.
--put-back ID puts what that run moved to the Trash back where it was; an
item is never put over something that is there now, and what cannot come
back is named with the reason. Items deleted for good cannot come back.

  --json          print one JSON object instead of text
  --put-back ID   put back the items run ID moved to the Trash
  --yes           put back without asking
  --dry-run       show what would be put back, touching nothing
  --help          show this text
  -V, --version   show the version
</source>
        <translation>Uso: sweepwright-cli history [--home H] [--json]
     sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]
Lista o que cada ferramenta removeu, na janela e aqui, do mais recente ao
mais antigo: cada execução com seu identificador, horário, ferramenta e o que
aconteceu com seus itens (movidos para a Lixeira, excluídos definitivamente,
não feitos). O histórico fica em $XDG_STATE_HOME/sweepwright/history.jsonl
por um ano, no máximo 10 MB.
--put-back ID devolve ao lugar o que essa execução moveu para a Lixeira; um
item nunca substitui o que estiver lá agora, e o que não puder voltar é
informado com o motivo. Itens excluídos definitivamente não podem voltar.

  --json          mostrar um objeto JSON em vez de texto
  --put-back ID   devolver os itens que a execução ID moveu para a Lixeira
  --yes           devolver sem perguntar
  --dry-run       mostrar o que seria devolvido, sem alterar nada
  --help          mostrar este texto
  -V, --version   mostrar a versão
</translation>
    </message>
    <message>
        <source>%1 needs the id of a run</source>
        <translation>%1 precisa do identificador de uma execução</translation>
    </message>
    <message>
        <source>--yes and --dry-run go with --put-back</source>
        <translation>--yes e --dry-run acompanham --put-back</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Nada foi removido ainda.</translation>
    </message>
    <message>
        <source>(of %1)</source>
        <translation>(de %1)</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; in the history (see sweepwright-cli history)</source>
        <translation>nenhuma execução &quot;%1&quot; no histórico (veja sweepwright-cli history)</translation>
    </message>
    <message>
        <source>run %1 moved nothing to the Trash: nothing to put back</source>
        <translation>a execução %1 não moveu nada para a Lixeira: nada a devolver</translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s) (%1)?</source>
        <translation>
            <numerusform>Devolver %n item (%1)?</numerusform>
            <numerusform>Devolver %n itens (%1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the put back: %1</source>
        <translation>não foi possível registrar a devolução: %1</translation>
    </message>
    <message>
        <source>Would put back: %1</source>
        <translation>Devolveria: %1</translation>
    </message>
    <message>
        <source>Deleted for good, cannot be put back: %1</source>
        <translation>Excluído definitivamente, não pode ser devolvido: %1</translation>
    </message>
    <message>
        <source>Put back: %1</source>
        <translation>Devolvido: %1</translation>
    </message>
    <message>
        <source>Could not put back %1: %2</source>
        <translation>Não foi possível devolver %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>Put Back</source>
        <translation>Devolução</translation>
    </message>
    <message>
        <source>Moved to the Trash</source>
        <translation>Movido para a Lixeira</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>Excluído definitivamente</translation>
    </message>
    <message>
        <source>Replaced with a link</source>
        <translation>Substituído por um link</translation>
    </message>
    <message>
        <source>Not done: %1</source>
        <translation>Não feito: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Recusado: %1</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Devolvido</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 devolvidos</translation>
    </message>
    <message>
        <source>%1 to the Trash</source>
        <translation>%1 para a Lixeira</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 excluídos definitivamente</translation>
    </message>
    <message>
        <source>%1 replaced with links</source>
        <translation>%1 substituídos por links</translation>
    </message>
    <message>
        <source>%1 not done</source>
        <translation>%1 não feitos</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 recusados</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Nada foi removido</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n item: %1</numerusform>
            <numerusform>%n itens: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputPaths</name>
    <message>
        <source>standard input (-) names no path</source>
        <translation>a entrada padrão (-) não indica nenhum caminho</translation>
    </message>
    <message>
        <source>cannot read standard input (-): %1</source>
        <translation>não é possível ler a entrada padrão (-): %1</translation>
    </message>
    <message>
        <source>standard input (-) holds more than %1 MiB of paths</source>
        <translation>a entrada padrão (-) contém mais de %1 MiB de caminhos</translation>
    </message>
</context>
<context>
    <name>InstalledApp</name>
    <message>
        <source>application bundle</source>
        <translation>pacote de aplicativo</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>application in the home</source>
        <translation>aplicativo na pasta pessoal</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Debian package</source>
        <translation>pacote Debian</translation>
    </message>
</context>
<context>
    <name>ItemCopy</name>
    <message>
        <source>Special file, not copied</source>
        <translation>Arquivo especial, não copiado</translation>
    </message>
    <message>
        <source>The copy would replace the original</source>
        <translation>A cópia substituiria o original</translation>
    </message>
    <message>
        <source>A folder cannot be copied into itself</source>
        <translation>Não é possível copiar uma pasta para dentro dela mesma</translation>
    </message>
</context>
<context>
    <name>ItemMailer</name>
    <message>
        <source>Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The attachment will not be protected</source>
        <translation>O anexo não estará protegido</translation>
    </message>
    <message>
        <source>These files come from an archive protected by a password. Attached as they are, anyone who gets the message can read them. Attach the archive instead to keep them protected: whoever gets it needs the password.</source>
        <translation>Estes arquivos vêm de um arquivo compactado protegido por senha. Anexados como estão, qualquer pessoa que receber a mensagem poderá lê-los. Para mantê-los protegidos, anexe o arquivo compactado: quem o receber precisará da senha.</translation>
    </message>
    <message>
        <source>Attach the Archive</source>
        <translation>Anexar o arquivo compactado</translation>
    </message>
    <message>
        <source>Attach Unprotected</source>
        <translation>Anexar sem proteção</translation>
    </message>
    <message>
        <source>The folder could not be packed for mail.</source>
        <translation>Não foi possível compactar a pasta para envio por e-mail.</translation>
    </message>
    <message>
        <source>The file could not be copied for mail.</source>
        <translation>Não foi possível copiar o arquivo para envio por e-mail.</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Não foi possível iniciar nenhum programa de e-mail.</translation>
    </message>
    <message>
        <source>Install xdg-utils and set up a mail program, or attach the file yourself: %1</source>
        <translation>Instale o xdg-utils e configure um programa de e-mail, ou anexe o arquivo você mesmo: %1</translation>
    </message>
</context>
<context>
    <name>JunkCommand</name>
    <message>
        <source>no category %1 in the %2 layout</source>
        <translation>não há categoria %1 no esquema %2</translation>
    </message>
    <message>
        <source>Skipped, needs administrator rights (use --admin): %1</source>
        <translation>Ignorado, requer privilégios de administrador (use --admin): %1</translation>
    </message>
    <message>
        <source>no profile &quot;%1&quot; (there is &quot;scheduled&quot;)</source>
        <translation>não há perfil &quot;%1&quot; (existe &quot;scheduled&quot;)</translation>
    </message>
    <message>
        <source>--profile takes its categories from the settings; it cannot go with %1</source>
        <translation>--profile obtém as categorias das preferências; não pode ser usado com %1</translation>
    </message>
</context>
<context>
    <name>JunkHelp</name>
    <message>
        <source>empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app
container and the per-user cache folder; removes the files there</source>
        <translation>esvazia as pastas em ~/Library/Caches, ~/Library/Logs, nas pastas Caches e Logs do contêiner
de cada app e na pasta de cache própria do usuário; remove os arquivos que estiverem ali</translation>
    </message>
    <message>
        <source>entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application</source>
        <translation>entradas de ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application
State, ~/Library/Parallels e ~/.cleverfiles que não pertencem a nenhum aplicativo instalado</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Caches and /System/Library/Caches</source>
        <translation>esvazia as pastas e remove os arquivos em /Library/Caches e /System/Library/Caches</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /Library/Logs and /var/log/asl</source>
        <translation>esvazia as pastas e remove os arquivos em /Library/Logs e /var/log/asl</translation>
    </message>
    <message>
        <source>Mail Downloads, and image and text attachments below ~/Library/Mail</source>
        <translation>Mail Downloads e os anexos de imagem e de texto dentro de ~/Library/Mail</translation>
    </message>
    <message>
        <source>iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and
iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)</source>
        <translation>atualizações de software do iOS (*.ipsw em ~/Library/iTunes/iPhone and iPad Software Updates) e
apps do iOS (*.ipa em ~/Music/iTunes/iTunes Media/Mobile Applications)</translation>
    </message>
    <message>
        <source>the device backups in ~/Library/Application Support/MobileSync/Backup</source>
        <translation>os backups de dispositivos em ~/Library/Application Support/MobileSync/Backup</translation>
    </message>
    <message>
        <source>the *.ipsw files that category 9 removes too</source>
        <translation>os arquivos *.ipsw que a categoria 9 também remove</translation>
    </message>
    <message>
        <source>everything in ~/.Trash</source>
        <translation>tudo o que está em ~/.Trash</translation>
    </message>
    <message>
        <source>everything in ~/Downloads</source>
        <translation>tudo o que está em ~/Downloads</translation>
    </message>
    <message>
        <source>empties the folders in ~/Library/Developer/Xcode/DerivedData</source>
        <translation>esvazia as pastas em ~/Library/Developer/Xcode/DerivedData</translation>
    </message>
    <message>
        <source>empties Safari&apos;s and Chrome&apos;s history, cache, cookie and local-storage folders</source>
        <translation>esvazia as pastas de histórico, cache, cookies e armazenamento local do Safari e do Chrome</translation>
    </message>
    <message>
        <source>empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak
app&apos;s ~/.var/app/ID/cache; removes the files there</source>
        <translation>esvazia as pastas dentro da pasta de cache (~/.cache ou XDG_CACHE_HOME) e em ~/.var/app/ID/cache
de cada app Flatpak; remove os arquivos que estiverem ali</translation>
    </message>
    <message>
        <source>desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak
apps installed nowhere</source>
        <translation>entradas .desktop e de início automático cujo programa não existe mais, e dados em ~/.var/app de
apps Flatpak que não estão instalados em lugar nenhum</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/cache (debconf&apos;s excepted); what only
root may remove is left unless --admin is given</source>
        <translation>esvazia as pastas e remove os arquivos em /var/cache (exceto os do debconf); o que só o
root pode remover fica como está, a menos que --admin seja informado</translation>
    </message>
    <message>
        <source>empties the folders and removes the files in /var/log; what only root may remove is left
unless --admin is given</source>
        <translation>esvazia as pastas e remove os arquivos em /var/log; o que só o root pode remover fica como está,
a menos que --admin seja informado</translation>
    </message>
    <message>
        <source>what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)</source>
        <translation>o que programas de e-mail e navegadores deixaram em /tmp/mozilla_USER0 (só quando a pasta é sua)</translation>
    </message>
    <message>
        <source>everything in the Trash, and info files whose item is gone</source>
        <translation>tudo o que está na lixeira e os arquivos de informação cujo item não existe mais</translation>
    </message>
    <message>
        <source>everything in the Downloads folder (XDG_DOWNLOAD_DIR)</source>
        <translation>tudo o que está na pasta Downloads (XDG_DOWNLOAD_DIR)</translation>
    </message>
    <message>
        <source>empties the npm, Gradle, Cargo and Go package caches</source>
        <translation>esvazia os caches de pacotes do npm, Gradle, Cargo e Go</translation>
    </message>
    <message>
        <source>empties Firefox&apos;s cache2 folders; removes Chrome&apos;s and Chromium&apos;s History, Cookies and
Local Storage of the Default profile</source>
        <translation>esvazia as pastas cache2 do Firefox; remove History, Cookies e Local Storage do perfil
Default do Chrome e do Chromium</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                            [--clean [--yes | --dry-run] [--admin]]
Scans the junk categories and lists what they found. With --clean it then removes what is
marked: the items of the categories scanned, except those of the categories that start
unmarked (marked &quot;unmarked&quot; below; they are taken when named with --category), a browser&apos;s
history and cookies, and what only an administrator may remove (taken with --admin).
It asks first on a terminal; elsewhere it needs --yes,
and without it prints the plan, removes nothing and exits 2. It reports what was removed
and what could not be (with the reason) and exits 1 when anything could not be removed.
Ctrl-C stops the scan, or the removal after the current item (exit status 130).
Nothing is written to the settings; login items are not touched.

  --json         print one JSON object instead of a table
  --clean        remove the marked items after the scan
  --yes          remove without asking
  --dry-run      show what --clean would remove, and remove nothing
  --admin        also remove what only an administrator may, with one password prompt
  --category ID  scan this category (repeatable) instead of the default ones
  --all          scan every category of the layout
  --help         show this text
  -V, --version  show the version
</source>
        <translation>Uso: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]
                          [--clean [--yes | --dry-run] [--admin]]
Analisa as categorias de arquivos desnecessários e lista o que encontraram. Com --clean, depois
remove o que está marcado: os itens das categorias analisadas, exceto os das categorias que vêm
desmarcadas (indicadas com &quot;desmarcada&quot; abaixo; são incluídas quando nomeadas com --category),
o histórico e os cookies dos navegadores, e o que só um administrador pode remover (com --admin).
Antes pergunta em um terminal; em outros casos precisa de --yes,
e sem ela mostra o plano, não remove nada e sai com status 2. Informa o que foi removido
e o que não pôde ser (com o motivo), e sai com 1 quando algo não pôde ser removido.
Ctrl-C interrompe a análise, ou a remoção após o item atual (status de saída 130).
Nada é gravado nas preferências; os itens de inicialização não são tocados.

  --json         mostra um único objeto JSON em vez de uma tabela
  --clean        remove os itens marcados após a análise
  --yes          remove sem perguntar
  --dry-run      mostra o que --clean removeria, e não remove nada
  --admin        remove também o que só um administrador pode remover (pede a senha uma vez)
  --category ID  analisa esta categoria (pode ser repetido) em vez das padrão
  --all          analisa todas as categorias do esquema
  --help         mostra este texto
  -V, --version  mostra a versão
</translation>
    </message>
    <message>
        <source>Categories of the %1 layout (* scanned by default) and what --clean removes:</source>
        <translation>Categorias do esquema %1 (* = analisada por padrão) e o que --clean remove:</translation>
    </message>
    <message>
        <source>(unmarked)</source>
        <translation>(desmarcada)</translation>
    </message>
    <message>
        <source>  --profile scheduled
                 the run of the cleaning schedule (sweepwright-cli schedule): clean the
                 categories chosen for it in the preferences, leave what needs a password
                 and say what went in a desktop notification
</source>
        <translation>  --profile scheduled
                 a execução agendada (sweepwright-cli schedule): limpar as categorias escolhidas
                 para ela nas preferências, manter o que precisa de senha e informar o que foi
                 removido em uma notificação
</translation>
    </message>
</context>
<context>
    <name>JunkReport</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s); %2 marked for removal.
</source>
        <translation>
            <numerusform>Encontrado: %1 em %n item; marcado para remoção: %2.
</numerusform>
            <numerusform>Encontrado: %1 em %n itens; marcado para remoção: %2.
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing found</source>
        <translation>nada encontrado</translation>
    </message>
    <message>
        <source>all marked</source>
        <translation>todos marcados</translation>
    </message>
    <message>
        <source>some marked</source>
        <translation>alguns marcados</translation>
    </message>
    <message>
        <source>none marked</source>
        <translation>nenhum marcado</translation>
    </message>
    <message>
        <source>(needs administrator rights)</source>
        <translation>(requer privilégios de administrador)</translation>
    </message>
    <message>
        <source>No junk category is enabled.</source>
        <translation>Nenhuma categoria de arquivos desnecessários está ativada.</translation>
    </message>
    <message numerus="yes">
        <source>only items older than %n day(s)</source>
        <translation>
            <numerusform>apenas itens com mais de %n dia</numerusform>
            <numerusform>apenas itens com mais de %n dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeepList</name>
    <message>
        <source>it holds items that match your Never touch list</source>
        <translation>contém itens que correspondem à sua lista &quot;Nunca mexer&quot;</translation>
    </message>
    <message>
        <source>it matches %1 on your Never touch list</source>
        <translation>corresponde a %1 da sua lista &quot;Nunca mexer&quot;</translation>
    </message>
    <message>
        <source>it lies in %1, which matches %2 on your Never touch list</source>
        <translation>fica em %1, que corresponde a %2 da sua lista &quot;Nunca mexer&quot;</translation>
    </message>
</context>
<context>
    <name>KeepPathOption</name>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 precisa de um caminho</translation>
    </message>
    <message>
        <source>  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never
                    touch list of the settings does; repeatable
</source>
        <translation>  --keep-path CAMINHO  não mexer em CAMINHO (nem no que ele contém) nesta execução,
                    como faz a lista &quot;Nunca mexer&quot; das configurações; repetível
</translation>
    </message>
</context>
<context>
    <name>KeepPrefViewController</name>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Adicionar &amp;pasta…</translation>
    </message>
    <message>
        <source>Add a folder to keep</source>
        <translation>Adicionar uma pasta a preservar</translation>
    </message>
    <message>
        <source>Add F&amp;ile…</source>
        <translation>Adicionar &amp;arquivo…</translation>
    </message>
    <message>
        <source>Add a file to keep</source>
        <translation>Adicionar um arquivo a preservar</translation>
    </message>
    <message>
        <source>Add &amp;Pattern</source>
        <translation>Adicionar pa&amp;drão</translation>
    </message>
    <message>
        <source>Add the pattern to keep</source>
        <translation>Adicionar o padrão a preservar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Remove the chosen entries</source>
        <translation>Remover as entradas escolhidas</translation>
    </message>
    <message>
        <source>Never touch list</source>
        <translation>Lista &quot;Nunca mexer&quot;</translation>
    </message>
    <message>
        <source>Pattern to keep</source>
        <translation>Padrão a preservar</translation>
    </message>
    <message>
        <source>A pattern, such as ~/Downloads/*.iso</source>
        <translation>Um padrão, como ~/Downloads/*.iso</translation>
    </message>
    <message>
        <source>No tool lists, removes or shreds these folders and files, what lies in the folders, or what matches the patterns.</source>
        <translation>Nenhuma ferramenta lista, remove ou tritura estas pastas e arquivos, o que está nas pastas ou o que corresponde aos padrões.</translation>
    </message>
    <message>
        <source>Choose a Folder to Keep</source>
        <translation>Escolher uma pasta a preservar</translation>
    </message>
    <message>
        <source>Choose Files to Keep</source>
        <translation>Escolher arquivos a preservar</translation>
    </message>
    <message>
        <source>Never Touch</source>
        <translation>Não mexer</translation>
    </message>
</context>
<context>
    <name>LargeCommand</name>
    <message numerus="yes">
        <source>Found %1 in %n item(s) of %2 or more.
</source>
        <translation>
            <numerusform>Encontrado: %1 em %n item de %2 ou mais.
</numerusform>
            <numerusform>Encontrado: %1 em %n itens de %2 ou mais.
</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                             [--trash [--yes | --dry-run]]
Lists the files and packages of 32 MB and more in the folders (default: the layout&apos;s
default folders, below), in five size bands. A FOLDER of &quot;-&quot; reads the folders from
standard input, one a line or separated by NUL bytes. Hidden folders and docsets are
not entered; source, build and database files are left out, and so are the system&apos;s
protected folders, which are named on stderr. With --trash every listed item
is moved to the Trash (restorable from the desktop&apos;s Trash), after a question on a
terminal or with --yes; otherwise the plan is printed and nothing moves (exit status 2).
Ctrl-C stops the scan, or the moving after the current item (exit status 130).

  --json         print one JSON object instead of a table
  --trash        move every listed item to the Trash, then report what was moved
  --yes          move without asking
  --dry-run      show what --trash would move, and move nothing
  --help         show this text
  -V, --version  show the version
</source>
        <translation>Uso: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]
                           [--trash [--yes | --dry-run]]
Lista os arquivos e pacotes de 32 MB ou mais nas pastas (padrão: as pastas padrão do
esquema, abaixo), em cinco faixas de tamanho. Se FOLDER for &quot;-&quot;, as pastas são lidas da
entrada padrão, uma por linha ou separadas por bytes NUL. Pastas ocultas e docsets não
são percorridos; arquivos de código-fonte, de compilação e de banco de dados ficam de fora, assim
como as pastas protegidas do sistema, que são indicadas no stderr. Com --trash, cada item
listado é movido para a lixeira (restaurável pela lixeira da área de trabalho), após uma
pergunta em um terminal ou com --yes; caso contrário, mostra o plano e não move nada (status de saída 2).
Ctrl-C interrompe a análise, ou a movimentação após o item atual (status de saída 130).

  --json         mostra um único objeto JSON em vez de uma tabela
  --trash        move cada item listado para a lixeira e depois informa o que foi movido
  --yes          move sem perguntar
  --dry-run      mostra o que --trash moveria, e não move nada
  --help         mostra este texto
  -V, --version  mostra a versão
</translation>
    </message>
</context>
<context>
    <name>LeftOutFolders</name>
    <message>
        <source>left out %1: %2</source>
        <translation>deixando de fora %1: %2</translation>
    </message>
</context>
<context>
    <name>LoginCommand</name>
    <message>
        <source>on</source>
        <comment>starts at login</comment>
        <translation>ativo</translation>
    </message>
    <message>
        <source>off</source>
        <comment>does not start at login</comment>
        <translation>inativo</translation>
    </message>
    <message>
        <source>application</source>
        <comment>a login item that is a menu application</comment>
        <translation>aplicativo</translation>
    </message>
    <message>
        <source>autostart</source>
        <comment>a login item that is an autostart entry</comment>
        <translation>início automático</translation>
    </message>
    <message>
        <source>(part of the desktop)</source>
        <translation>(parte da área de trabalho)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) start at login.</source>
        <translation>
            <numerusform>%n item inicia com a sessão.</numerusform>
            <numerusform>%n itens iniciam com a sessão.</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                             [--on ID] [--off ID]
Lists what starts when you log in (on), then the autostart entries switched off
(off), each with its description; entries the desktop starts for itself are
marked &quot;part of the desktop&quot; and listed last. --all lists the other menu
applications after them, which --on can add. --on writes the user&apos;s autostart
entry ID.desktop; --off removes the user&apos;s entries of the application, and
hides a system-wide entry with a user entry that says Hidden=true. ID is the
desktop-file id without &quot;.desktop&quot; (the bundle name in the macos layout).

  --json          print one JSON object instead of a list
  --all           list the applications that do not start at login too
  --on ID         switch ID on at login (repeatable)
  --off ID        switch ID off at login (repeatable)
  --help          show this text
  -V, --version   show the version
</source>
        <translation>Uso: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]
                           [--on ID] [--off ID]
Lista o que inicia com a sessão (ativo) e depois as entradas de início automático desativadas
(inativo), cada uma com sua descrição; as entradas que a área de trabalho inicia por conta
própria são marcadas com &quot;parte da área de trabalho&quot; e listadas por último. --all lista depois
os demais aplicativos do menu, que --on pode adicionar. --on grava a entrada de início automático
do usuário ID.desktop; --off remove as entradas do usuário para o aplicativo, e
oculta uma entrada do sistema todo com uma entrada do usuário que diz Hidden=true. ID é o
id do arquivo desktop sem &quot;.desktop&quot; (o nome do pacote .app no esquema macos).

  --json          mostra um único objeto JSON em vez de uma lista
  --all           lista também os aplicativos que não iniciam com a sessão
  --on ID         ativa ID ao iniciar a sessão (pode ser repetido)
  --off ID        desativa ID ao iniciar a sessão (pode ser repetido)
  --help          mostra este texto
  -V, --version   mostra a versão
</translation>
    </message>
    <message>
        <source>%1 needs an id</source>
        <translation>%1 precisa de um id</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is both in --on and --off</source>
        <translation>&quot;%1&quot; está tanto em --on quanto em --off</translation>
    </message>
    <message>
        <source>no login item &quot;%1&quot; (see the list without --on and --off)</source>
        <translation>nenhum item de inicialização &quot;%1&quot; (veja a lista sem --on e --off)</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; on</source>
        <translation>não foi possível ativar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>could not switch &quot;%1&quot; off</source>
        <translation>não foi possível desativar &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>LoginItemRow</name>
    <message>
        <source>Part of the desktop</source>
        <translation>Parte da área de trabalho</translation>
    </message>
</context>
<context>
    <name>MASPreferencesWindowController</name>
    <message>
        <source>Panes</source>
        <translation>Painéis</translation>
    </message>
</context>
<context>
    <name>MLoginItemsPage</name>
    <message>
        <source>Add an application…</source>
        <translation>Adicionar um aplicativo…</translation>
    </message>
    <message>
        <source>%1: starts at login</source>
        <translation>%1: inicia com a sessão</translation>
    </message>
    <message>
        <source>%1: does not start at login</source>
        <translation>%1: não inicia com a sessão</translation>
    </message>
    <message>
        <source>Switch off “%1”?</source>
        <translation>Desativar “%1”?</translation>
    </message>
    <message>
        <source>It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it does stops from the next login until you switch it on again.</source>
        <translation>Ele faz parte da área de trabalho, que o inicia por conta própria quando você inicia a sessão. Se for desativado, o que ele faz deixa de acontecer a partir da próxima sessão, até você ativá-lo novamente.</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>No applications start at login</source>
        <translation>Nenhum aplicativo inicia com a sessão</translation>
    </message>
    <message>
        <source>Add an application to start it each time you log in.</source>
        <translation>Adicione um aplicativo para que ele seja aberto sempre que você iniciar a sessão.</translation>
    </message>
    <message>
        <source>Switching one off keeps it from starting the next time you log in.</source>
        <translation>Ao desativar um deles, ele deixa de ser aberto na próxima vez que você iniciar a sessão.</translation>
    </message>
    <message numerus="yes">
        <source>%n application(s) start at login</source>
        <translation>
            <numerusform>%n aplicativo inicia com a sessão</numerusform>
            <numerusform>%n aplicativos iniciam com a sessão</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Switching one off keeps it from starting the next time you log in. %n part(s) of the desktop start too; they are listed last.</source>
        <translation>
            <numerusform>Ao desativar um deles, ele deixa de ser aberto na próxima vez que você iniciar a sessão. %n componente da área de trabalho também inicia; ele aparece por último.</numerusform>
            <numerusform>Ao desativar um deles, ele deixa de ser aberto na próxima vez que você iniciar a sessão. %n componentes da área de trabalho também iniciam; eles aparecem por último.</numerusform>
        </translation>
    </message>
    <message>
        <source>Login items</source>
        <translation>Itens de inicialização</translation>
    </message>
</context>
<context>
    <name>MarkedRemoval</name>
    <message>
        <source>needs administrator rights; skipped</source>
        <translation>requer privilégios de administrador; ignorado</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <source>Memory (%L1 % in use)</source>
        <translation>Memória (%L1% em uso)</translation>
    </message>
    <message>
        <source>Memory (usage unavailable: the figures contradict each other)</source>
        <translation>Memória (uso indisponível: os valores se contradizem)</translation>
    </message>
    <message>
        <source>  used        %1
  cached      %2
  buffers     %3
  free        %4
  active      %5
  inactive    %6
  swap used   %7 of %8
  available   %9
  total       %10
Disk of %11
  used        %12
  free        %13
  total       %14
</source>
        <translation>  em uso       %1
  em cache     %2
  buffers      %3
  livre        %4
  ativa        %5
  inativa      %6
  swap em uso  %7 de %8
  disponível   %9
  total        %10
Disco de %11
  em uso       %12
  livre        %13
  total        %14
</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
Prints the memory figures (from /proc/meminfo, or SWEEPWRIGHT_PROC/meminfo) and the
used and free space of the volume that holds the Documents folder.
With --release it first releases memory: it touches free and inactive memory 64 MiB
at a time, so the kernel takes back inactive pages and file cache, and stops early
before available memory falls below max(10 %, 512 MiB), when the system starts to
swap or when memory pressure rises. The released amount is the change of free
memory; it is negative when other programs took memory meanwhile.

A release stops after %1 GiB of such work or %2 seconds at the most. Figures that
contradict each other (more free memory than installed) are shown kept to the
installed size, with the usage unavailable (null in JSON), and release nothing.

  --json         print one JSON object (with --release also &quot;releasedMemory&quot;,
                 &quot;touchedMemory&quot; and &quot;releaseEnd&quot;)
  --release      release memory first
  --help         show this text
  -V, --version  show the version
</source>
        <translation>Uso: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]
Mostra os valores de memória (de /proc/meminfo, ou de SWEEPWRIGHT_PROC/meminfo) e o
espaço usado e livre do volume que contém a pasta Documentos.
Com --release, primeiro libera memória: ocupa memória livre e inativa em blocos de 64 MiB
para que o kernel recupere páginas inativas e cache de arquivos, e para antes
se a memória disponível for cair abaixo de max(10 %, 512 MiB), se o sistema começar a usar
swap ou se a pressão de memória aumentar. A quantidade liberada é a variação da memória
livre; ela é negativa quando outros programas ocuparam memória nesse meio-tempo.

Uma liberação para após %1 GiB desse trabalho ou %2 segundos, no máximo. Valores que
se contradizem (mais memória livre do que a instalada) são mostrados limitados ao
tamanho instalado, com o uso indisponível (null no JSON), e não liberam nada.

  --json         mostra um único objeto JSON (com --release, também &quot;releasedMemory&quot;,
                 &quot;touchedMemory&quot; e &quot;releaseEnd&quot;)
  --release      libera memória primeiro
  --help         mostra este texto
  -V, --version  mostra a versão
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot read the memory figures from %1/meminfo</source>
        <translation>não é possível ler os valores de memória de %1/meminfo</translation>
    </message>
    <message>
        <source>Released Memory: %1 (%2 touched; %3)</source>
        <translation>Memória liberada: %1 (%2 ocupados; %3)</translation>
    </message>
</context>
<context>
    <name>MemoryRelease</name>
    <message>
        <source>done</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>stopped: available memory near its floor</source>
        <translation>interrompido: memória disponível perto do limite mínimo</translation>
    </message>
    <message>
        <source>stopped: the system began to swap</source>
        <translation>interrompido: o sistema começou a usar swap</translation>
    </message>
    <message>
        <source>stopped: memory pressure</source>
        <translation>interrompido: pressão de memória</translation>
    </message>
    <message>
        <source>stopped: memory figures unreadable</source>
        <translation>interrompido: valores de memória ilegíveis</translation>
    </message>
    <message>
        <source>stopped: memory figures inconsistent</source>
        <translation>interrompido: valores de memória inconsistentes</translation>
    </message>
    <message>
        <source>stopped: the most one release may do was done</source>
        <translation>interrompido: o máximo permitido para uma liberação foi atingido</translation>
    </message>
</context>
<context>
    <name>ORBigDataCollection</name>
    <message>
        <source>32 MB to 128 MB</source>
        <translation>32 MB a 128 MB</translation>
    </message>
    <message>
        <source>Files of 32 MB and more, below 128 MB</source>
        <translation>Arquivos de 32 MB ou mais, abaixo de 128 MB</translation>
    </message>
    <message>
        <source>128 MB to 256 MB</source>
        <translation>128 MB a 256 MB</translation>
    </message>
    <message>
        <source>Files of 128 MB and more, below 256 MB</source>
        <translation>Arquivos de 128 MB ou mais, abaixo de 256 MB</translation>
    </message>
    <message>
        <source>256 MB to 512 MB</source>
        <translation>256 MB a 512 MB</translation>
    </message>
    <message>
        <source>Files of 256 MB and more, below 512 MB</source>
        <translation>Arquivos de 256 MB ou mais, abaixo de 512 MB</translation>
    </message>
    <message>
        <source>512 MB to 1 GB</source>
        <translation>512 MB a 1 GB</translation>
    </message>
    <message>
        <source>Files of 512 MB and more, below 1 GB</source>
        <translation>Arquivos de 512 MB ou mais, abaixo de 1 GB</translation>
    </message>
    <message>
        <source>1 GB and more</source>
        <translation>1 GB ou mais</translation>
    </message>
    <message>
        <source>Files of 1 GB and more</source>
        <translation>Arquivos de 1 GB ou mais</translation>
    </message>
</context>
<context>
    <name>ORBigNoVeiwCter</name>
    <message>
        <source>Large Files</source>
        <translation>Arquivos grandes</translation>
    </message>
    <message>
        <source>No large files were found in these folders.</source>
        <translation>Nenhum arquivo grande foi encontrado nestas pastas.</translation>
    </message>
</context>
<context>
    <name>ORBigResultViewCter</name>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>File Sizes</source>
        <translation>Tamanhos de arquivo</translation>
    </message>
</context>
<context>
    <name>ORBigViewCter</name>
    <message>
        <source>Large Files</source>
        <translation>Arquivos grandes</translation>
    </message>
    <message>
        <source>Find the files of 32 MB and more in these folders and move the ones you no longer need to the Trash.</source>
        <translation>Encontre os arquivos de 32 MB ou mais nestas pastas e mova para a lixeira aqueles de que você não precisa mais.</translation>
    </message>
</context>
<context>
    <name>ORDupDataCollection</name>
    <message>
        <source>In a reference folder: originals are never removed</source>
        <translation>Em uma pasta de referência: os originais nunca são removidos</translation>
    </message>
    <message numerus="yes">
        <source>Modified in the last %n day(s): only older copies go</source>
        <translation>
            <numerusform>Modificada há menos de %n dia: só as cópias mais antigas saem</numerusform>
            <numerusform>Modificada há menos de %n dias: só as cópias mais antigas saem</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupNoViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>No duplicates were found in these folders.</source>
        <translation>Nenhum duplicado foi encontrado nestas pastas.</translation>
    </message>
</context>
<context>
    <name>ORDupResultItemObject</name>
    <message>
        <source>No duplicates here</source>
        <translation>Nenhum duplicado aqui</translation>
    </message>
    <message>
        <source>Choose another kind, or search for another name.</source>
        <translation>Escolha outro tipo ou pesquise outro nome.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies of %1 each; one copy is always kept.</source>
        <translation>
            <numerusform>%n cópia de %1 cada; uma cópia é sempre mantida.</numerusform>
            <numerusform>%n cópias de %1 cada; uma cópia é sempre mantida.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 copy of %1 is listed; the others lie in protected places.</source>
        <translation>1 cópia de %1 listada; as outras estão em locais protegidos.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1 in all; each may go to the Trash.</source>
        <translation>
            <numerusform>%n item, %1; ele pode ir para a lixeira.</numerusform>
            <numerusform>%n itens, %1 no total; cada um pode ir para a lixeira.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORDupResultViewCter</name>
    <message>
        <source>Select every copy but one of each group listed, or clear them</source>
        <translation>Selecionar todas as cópias, exceto uma, de cada grupo listado, ou desmarcá-las</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Pesquisar por nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Cópias</translation>
    </message>
    <message>
        <source>Sort the groups</source>
        <translation>Ordenar os grupos</translation>
    </message>
    <message>
        <source>Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and temporary folders, without a copy mark such as &quot;(1)&quot; in its name, the oldest, in the deepest folder.</source>
        <translation>Qual cópia de cada grupo o botão Selecionar mantém. Melhor original mantém a cópia que está fora de Downloads, da lixeira e de pastas temporárias, sem marca de cópia como &quot;(1)&quot; no nome, a mais antiga, na pasta mais profunda.</translation>
    </message>
    <message>
        <source>All duplicates</source>
        <translation>Todos os duplicados</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n set(s), %2</source>
        <extracomment>The kind listed (&quot;All duplicates&quot;, &quot;Documents&quot;, ...), the number of sets and their size</extracomment>
        <translation>
            <numerusform>%1: %n grupo, %2</numerusform>
            <numerusform>%1: %n grupos, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Each set holds copies of one file. Select keeps one copy of each set.</source>
        <translation>Cada grupo contém cópias de um mesmo arquivo. Selecionar mantém uma cópia de cada grupo.</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Grupos de duplicados</translation>
    </message>
    <message>
        <source>Kind of files</source>
        <translation>Tipo de arquivo</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Exibir como</translation>
    </message>
    <message>
        <source>Search the duplicates by name</source>
        <translation>Pesquisar duplicados por nome</translation>
    </message>
    <message>
        <source>The copy Select keeps</source>
        <translation>Cópia que o botão Selecionar mantém</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Export the result</source>
        <translation>Exportar o resultado</translation>
    </message>
    <message>
        <source>Save the groups as a CSV table, or as JSON to open again later</source>
        <translation>Salvar os grupos como tabela CSV, ou como JSON para abrir de novo depois</translation>
    </message>
    <message numerus="yes">
        <source>Empty and broken: %n item(s), %1</source>
        <translation>
            <numerusform>Vazios e quebrados: %n item, %1</numerusform>
            <numerusform>Vazios e quebrados: %n itens, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty files, folders that hold only empty folders, and links whose target is missing.</source>
        <translation>Arquivos vazios, pastas que só contêm pastas vazias e links cujo destino não existe.</translation>
    </message>
</context>
<context>
    <name>ORDupViewCter</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Quick scan: compare samples only, not whole files</source>
        <translation>Análise rápida: comparar só amostras, não os arquivos inteiros</translation>
    </message>
    <message>
        <source>Faster, but files that agree only in the parts compared are reported as duplicates too.</source>
        <translation>Mais rápida, mas arquivos iguais apenas nas partes comparadas também são apontados como duplicados.</translation>
    </message>
    <message>
        <source>Files of %1 and less are not compared.</source>
        <translation>Arquivos de %1 ou menos não são comparados.</translation>
    </message>
    <message numerus="yes">
        <source>Found %n set(s) of duplicates, %1</source>
        <translation>
            <numerusform>%n grupo de duplicados encontrado, %1</numerusform>
            <numerusform>%n grupos de duplicados encontrados, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty and broken</source>
        <translation>Vazios e quebrados</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>O que procurar</translation>
    </message>
    <message>
        <source>Copies of the same file, or empty files, empty folders and broken links</source>
        <translation>Cópias do mesmo arquivo, ou arquivos vazios, pastas vazias e links quebrados</translation>
    </message>
    <message>
        <source>Open a Saved Result…</source>
        <translation>Abrir um resultado…</translation>
    </message>
    <message>
        <source>Open a saved result</source>
        <translation>Abrir um resultado salvo</translation>
    </message>
    <message>
        <source>Open a result exported as JSON; it is checked against the disk first</source>
        <translation>Abrir um resultado exportado como JSON; antes ele é conferido com o disco</translation>
    </message>
    <message>
        <source>Open a Saved Result</source>
        <translation>Abrir um resultado salvo</translation>
    </message>
    <message>
        <source>Saved results (*.json)</source>
        <translation>Resultados salvos (*.json)</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the saved result were left out: they changed since it was saved, or cannot be acted on.</source>
        <translation>
            <numerusform>%n item do resultado salvo foi omitido: mudou desde que foi salvo ou não pode ser processado.</numerusform>
            <numerusform>%n itens do resultado salvo foram omitidos: mudaram desde que foi salvo ou não podem ser processados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Find the files that are stored more than once in these folders and move the extra copies to the Trash or replace them with links.</source>
        <translation>Encontre os arquivos armazenados mais de uma vez nestas pastas e mova as cópias extras para a lixeira ou substitua-as por links.</translation>
    </message>
</context>
<context>
    <name>ORExtDataCollection</name>
    <message>
        <source>Extensions</source>
        <translation>Extensões</translation>
    </message>
    <message>
        <source>Kernel extensions: drivers and system features that applications added.</source>
        <translation>Extensões do kernel: drivers e recursos do sistema adicionados por aplicativos.</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Kernel</translation>
    </message>
    <message>
        <source>Browser Extensions</source>
        <translation>Extensões de navegador</translation>
    </message>
    <message>
        <source>Add-ons installed in the profiles of your web browsers. A removed extension is gone once the browser has been restarted.</source>
        <translation>Complementos instalados nos perfis dos seus navegadores. Uma extensão removida só desaparece depois que o navegador é reiniciado.</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Preference panes that applications added to System Preferences.</source>
        <translation>Painéis de preferências que aplicativos adicionaram às Preferências do Sistema.</translation>
    </message>
    <message>
        <source>System Preferences</source>
        <translation>Preferências do Sistema</translation>
    </message>
    <message>
        <source>Desktop Extensions</source>
        <translation>Extensões da área de trabalho</translation>
    </message>
    <message>
        <source>Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the desktop shell has been restarted or you have logged in again.</source>
        <translation>Extensões do shell, widgets e miniaplicativos que você adicionou à sua área de trabalho. Um item removido só desaparece depois que o shell da área de trabalho é reiniciado ou que você inicia a sessão novamente.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <source>Internet Plug-Ins</source>
        <translation>Plug-ins de internet</translation>
    </message>
    <message>
        <source>Plug-ins that browsers and other programs load to show web content.</source>
        <translation>Plug-ins que os navegadores e outros programas carregam para exibir conteúdo da web.</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Browser Plug-Ins</source>
        <translation>Plug-ins de navegador</translation>
    </message>
    <message>
        <source>Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the browser has been restarted.</source>
        <translation>Bibliotecas de plug-in que os navegadores carregam da sua pasta pessoal. Um plug-in removido só desaparece depois que o navegador é reiniciado.</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>QuickLook Plug-Ins</source>
        <translation>Plug-ins do QuickLook</translation>
    </message>
    <message>
        <source>Plug-ins that let Quick Look preview more kinds of files.</source>
        <translation>Plug-ins que permitem ao Quick Look pré-visualizar mais tipos de arquivo.</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Quick Look</translation>
    </message>
    <message>
        <source>Thumbnailers</source>
        <translation>Geradores de miniaturas</translation>
    </message>
    <message>
        <source>Programs that draw the previews of files in your file manager. Previews drawn already stay until the file manager has been restarted and the thumbnail cache cleaned.</source>
        <translation>Programas que desenham as miniaturas dos arquivos no seu gerenciador de arquivos. As miniaturas já desenhadas permanecem até que o gerenciador de arquivos seja reiniciado e o cache de miniaturas seja limpo.</translation>
    </message>
    <message>
        <source>File manager</source>
        <translation>Gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Spotlight Plug-Ins</source>
        <translation>Plug-ins do Spotlight</translation>
    </message>
    <message>
        <source>Plug-ins that let Spotlight search more kinds of files.</source>
        <translation>Plug-ins que permitem ao Spotlight pesquisar mais tipos de arquivo.</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Search Providers</source>
        <translation>Provedores de pesquisa</translation>
    </message>
    <message>
        <source>Applications that add their results to the desktop&apos;s search. A removed provider is gone once the desktop shell has been restarted.</source>
        <translation>Aplicativos que adicionam seus resultados à pesquisa da área de trabalho. Um provedor removido só desaparece depois que o shell da área de trabalho é reiniciado.</translation>
    </message>
    <message>
        <source>Desktop search</source>
        <translation>Pesquisa da área de trabalho</translation>
    </message>
</context>
<context>
    <name>ORExtensionResultViewCter</name>
    <message>
        <source>Enabled</source>
        <translation>Ativada</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativada</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensões</translation>
    </message>
    <message>
        <source>Nothing of this kind is installed.</source>
        <translation>Nada deste tipo está instalado.</translation>
    </message>
</context>
<context>
    <name>ORExtensionViewCter</name>
    <message>
        <source>Extensions</source>
        <translation>Extensões</translation>
    </message>
    <message>
        <source>See the add-ons installed in your browsers and your desktop, and remove the ones you no longer use.</source>
        <translation>Veja os complementos instalados nos seus navegadores e na sua área de trabalho e remova os que você não usa mais.</translation>
    </message>
</context>
<context>
    <name>ORFileConvertViewCter</name>
    <message>
        <source>Icons</source>
        <translation>Ícones</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>In %1. These files are a temporary copy, removed when you leave this page: save them or extract them to keep them.</source>
        <translation>Em %1. Estes arquivos são uma cópia temporária, removida quando você sair desta página: salve-os ou extraia-os para mantê-los.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be saved.</source>
        <translation>
            <numerusform>Não foi possível salvar %n item.</numerusform>
            <numerusform>Não foi possível salvar %n itens.</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract To</source>
        <translation>Extrair para</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>Show as</source>
        <translation>Exibir como</translation>
    </message>
    <message>
        <source>Extracted files</source>
        <translation>Arquivos extraídos</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>&amp;Extract to...</source>
        <translation>&amp;Extrair para...</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Enviar por e-&amp;mail</translation>
    </message>
</context>
<context>
    <name>ORFileDataCollection</name>
    <message>
        <source>A winmail file is listed only by decoding it</source>
        <translation>Um arquivo winmail só pode ser listado decodificando-o</translation>
    </message>
    <message>
        <source>Cannot create the folder</source>
        <translation>Não é possível criar a pasta</translation>
    </message>
    <message>
        <source>Not a winmail.dat file, or a damaged one</source>
        <translation>Não é um arquivo winmail.dat, ou está danificado</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Não é possível ler o arquivo</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
</context>
<context>
    <name>ORFileDropView</name>
    <message>
        <source>Drop an archive or a winmail.dat file here</source>
        <translation>Solte aqui um arquivo compactado ou um arquivo winmail.dat</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Escolher um arquivo...</translation>
    </message>
    <message>
        <source>Choose an Archive</source>
        <translation>Escolher um arquivo compactado</translation>
    </message>
    <message>
        <source>Archives (%1)</source>
        <translation>Arquivos compactados (%1)</translation>
    </message>
</context>
<context>
    <name>ORFileIntroViewCter</name>
    <message>
        <source>Unarchive error or password error, try again!</source>
        <translation>Erro na extração ou senha incorreta. Tente novamente!</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Este formato de arquivo compactado não é suportado</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Não há espaço livre suficiente</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Arquivos compactados</translation>
    </message>
    <message>
        <source>Open zip, rar, 7z, tar and many other archives, and the attachments in winmail.dat files: see what is inside, then open, save or mail it.</source>
        <translation>Abra arquivos compactados zip, rar, 7z, tar e de muitos outros formatos, além dos anexos de arquivos winmail.dat: veja o que há dentro e depois abra, salve ou envie por e-mail.</translation>
    </message>
    <message>
        <source>File name encoding:</source>
        <translation>Codificação dos nomes de arquivo:</translation>
    </message>
    <message>
        <source>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat and more</source>
        <translation>zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, winmail.dat e outros</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extraindo...</translation>
    </message>
</context>
<context>
    <name>ORFolderTableCellView</name>
    <message>
        <source>Remove from the List</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>Reference Folder</source>
        <translation>Pasta de referência</translation>
    </message>
    <message>
        <source>Reference folder: the originals live here and its copies are never selected. Click to make it an ordinary folder.</source>
        <translation>Pasta de referência: os originais ficam aqui e suas cópias nunca são selecionadas. Clique para torná-la uma pasta comum.</translation>
    </message>
    <message>
        <source>Make this a reference folder: the originals live here and its copies are never selected.</source>
        <translation>Tornar esta uma pasta de referência: os originais ficam aqui e suas cópias nunca são selecionadas.</translation>
    </message>
</context>
<context>
    <name>ORItemTableCellView</name>
    <message>
        <source>Show in the File Manager</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
</context>
<context>
    <name>ORJunkFilesCollection</name>
    <message>
        <source>Application Junk Files</source>
        <translation>Arquivos desnecessários de apps</translation>
    </message>
    <message>
        <source>Caches and logs that applications keep to start and work faster. An application makes them again when it needs them.</source>
        <translation>Caches e registros (logs) que os aplicativos mantêm para iniciar e funcionar mais rápido. Cada aplicativo os recria quando precisa deles.</translation>
    </message>
    <message>
        <source>Leftover Files</source>
        <translation>Resíduos de aplicativos</translation>
    </message>
    <message>
        <source>Settings, saved window states and launch agents of applications other than the system&apos;s own.</source>
        <translation>Preferências, estados de janela salvos e agentes de inicialização de aplicativos que não são do próprio sistema.</translation>
    </message>
    <message>
        <source>Menu and login entries whose program is no longer installed, and the data of Flatpak applications that were removed.</source>
        <translation>Entradas de menu e de inicialização cujo programa não está mais instalado, e os dados de aplicativos Flatpak que foram removidos.</translation>
    </message>
    <message>
        <source>System Cache Files</source>
        <translation>Arquivos de cache do sistema</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s own programs and services. They are made again when needed.</source>
        <translation>Caches dos programas e serviços do próprio sistema. São recriados quando necessário.</translation>
    </message>
    <message>
        <source>Caches of the system&apos;s programs in /var/cache, such as packages the package manager downloaded. They are made again when needed.</source>
        <translation>Caches dos programas do sistema em /var/cache, como os pacotes baixados pelo gerenciador de pacotes. São recriados quando necessário.</translation>
    </message>
    <message>
        <source>System Log Files</source>
        <translation>Registros (logs) do sistema</translation>
    </message>
    <message>
        <source>Records of what the system and its services did. They help to find the cause of a fault; nothing needs them to run.</source>
        <translation>Registros do que o sistema e seus serviços fizeram. Ajudam a encontrar a causa de uma falha; nada depende deles para funcionar.</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>Anexos de e-mail</translation>
    </message>
    <message>
        <source>Copies of attachments saved when you opened them. The messages keep their own copy.</source>
        <translation>Cópias de anexos salvas quando você os abriu. As mensagens mantêm sua própria cópia.</translation>
    </message>
    <message>
        <source>iTunes Junk Files</source>
        <translation>Arquivos desnecessários do iTunes</translation>
    </message>
    <message>
        <source>iPhone and iPad software updates and copies of their applications that iTunes downloaded.</source>
        <translation>Atualizações de software de iPhone e iPad e cópias dos seus aplicativos baixadas pelo iTunes.</translation>
    </message>
    <message>
        <source>iOS Backups</source>
        <translation>Backups do iOS</translation>
    </message>
    <message>
        <source>Backups of iPhones and iPads made on this computer.</source>
        <translation>Backups de iPhones e iPads feitos neste computador.</translation>
    </message>
    <message>
        <source>iOS Software Updates</source>
        <translation>Atualizações de software do iOS</translation>
    </message>
    <message>
        <source>Software updates for iPhones and iPads that were downloaded.</source>
        <translation>Atualizações de software para iPhones e iPads que foram baixadas.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Everything you moved to the Trash and did not empty yet.</source>
        <translation>Tudo o que você moveu para a lixeira e que ainda está lá.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Everything in your Downloads folder, which may hold files you keep.</source>
        <translation>Tudo o que está na sua pasta Downloads, que pode conter arquivos que você quer manter.</translation>
    </message>
    <message>
        <source>Xcode DerivedData</source>
        <translation>DerivedData do Xcode</translation>
    </message>
    <message>
        <source>Build products and indexes that Xcode makes again when a project is built.</source>
        <translation>Produtos de compilação e índices que o Xcode recria quando um projeto é compilado.</translation>
    </message>
    <message>
        <source>Developer Build Caches</source>
        <translation>Caches de compilação</translation>
    </message>
    <message>
        <source>Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build needs them.</source>
        <translation>Caches de pacotes e de compilação do npm, Gradle, Cargo e Go, que são baixados novamente quando uma compilação precisa deles.</translation>
    </message>
    <message>
        <source>Browser Junk Files</source>
        <translation>Arquivos desnecessários de navegadores</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, their history and their cookies. Without cookies you are signed out of websites.</source>
        <translation>Páginas e imagens que seus navegadores guardam para exibir os sites mais rápido, além do histórico e dos cookies. Sem os cookies, você é desconectado dos sites.</translation>
    </message>
    <message>
        <source>Pages and images your browsers keep to show sites faster, and their history and cookies, which start unticked: without cookies you are signed out of websites.</source>
        <translation>Páginas e imagens que seus navegadores guardam para exibir os sites mais rápido, além do histórico e dos cookies, que vêm desmarcados: sem os cookies, você é desconectado dos sites.</translation>
    </message>
    <message numerus="yes">
        <source>Only items older than %n day(s) are listed.</source>
        <translation>
            <numerusform>Só os itens com mais de %n dia são listados.</numerusform>
            <numerusform>Só os itens com mais de %n dias são listados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORJunkViewCter</name>
    <message>
        <source>Junk Clean</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>Find caches, logs, leftovers of removed applications, the Trash and other files you no longer need, and free up space safely.</source>
        <translation>Encontre caches, registros, resíduos de aplicativos removidos, a lixeira e outros arquivos de que você não precisa mais, e libere espaço com segurança.</translation>
    </message>
</context>
<context>
    <name>ORJunksResultViewCter</name>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>Nada a limpar nesta categoria.</translation>
    </message>
</context>
<context>
    <name>ORLayout</name>
    <message>
        <source>unknown layout &quot;%1&quot; (use freedesktop or macos)</source>
        <translation>esquema desconhecido &quot;%1&quot; (use freedesktop ou macos)</translation>
    </message>
    <message>
        <source>no home folder: user %1 has no password entry and $HOME is not set (give --home)</source>
        <translation>sem pasta pessoal: o usuário %1 não tem entrada no passwd e $HOME não está definida (informe --home)</translation>
    </message>
    <message>
        <source>  --layout L    where to look: freedesktop (default) or macos
  --root R      the file-system root the layout&apos;s system folders are under (default /)
  --home H      the home folder to look in (default: the real user&apos;s home)
</source>
        <translation>  --layout L    onde procurar: freedesktop (padrão) ou macos
  --root R      a raiz sob a qual ficam as pastas do sistema do esquema (padrão /)
  --home H      a pasta pessoal em que procurar (padrão: a do usuário real)
</translation>
    </message>
</context>
<context>
    <name>ORMainWinController</name>
    <message>
        <source>Open Sweepwright</source>
        <translation>Abrir o Sweepwright</translation>
    </message>
    <message>
        <source>Release Memory</source>
        <translation>Liberar memória</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Quit Sweepwright</source>
        <translation>Sair do Sweepwright</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Compactados</translation>
    </message>
    <message>
        <source>Login Items</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Arquivos grandes</translation>
    </message>
    <message>
        <source>Uninstaller</source>
        <translation>Desinstalador</translation>
    </message>
    <message>
        <source>Shredder</source>
        <translation>Triturador</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensões</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
</context>
<context>
    <name>ORMemViewCter</name>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Em uso</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponível</translation>
    </message>
    <message>
        <source>Cached</source>
        <translation>Em cache</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>Buffers</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files from the disk again when they need them, so the computer does not get faster.</source>
        <translation>Liberar memória pede ao kernel que devolva a memória que ele usa como cache. Os programas voltam a ler esses arquivos do disco quando precisam deles, por isso o computador não fica mais rápido.</translation>
    </message>
    <message>
        <source>Released Memory</source>
        <translation>Memória liberada</translation>
    </message>
    <message>
        <source>%1 of %2 in use</source>
        <translation>%1 de %2 em uso</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponível</translation>
    </message>
    <message>
        <source>Memory in use</source>
        <translation>Memória em uso</translation>
    </message>
    <message>
        <source>Disk space in use</source>
        <translation>Espaço em disco ocupado</translation>
    </message>
    <message>
        <source>&amp;Release Memory</source>
        <translation>&amp;Liberar memória</translation>
    </message>
</context>
<context>
    <name>ORNoJunkViewCter</name>
    <message>
        <source>No category was scanned</source>
        <translation>Nenhuma categoria foi analisada</translation>
    </message>
    <message>
        <source>Choose the kinds of junk to look for in Preferences, under Junk Clean.</source>
        <translation>Escolha os tipos de arquivos desnecessários a procurar em Preferências, na seção Limpeza.</translation>
    </message>
</context>
<context>
    <name>ORPdfCompressViewCter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Compressor de PDF</translation>
    </message>
    <message>
        <source>Makes a smaller copy of a PDF document; the document itself is left as it is.</source>
        <translation>Cria uma cópia menor de um documento PDF; o próprio documento fica como está.</translation>
    </message>
    <message>
        <source>Drop a PDF document here</source>
        <translation>Solte um documento PDF aqui</translation>
    </message>
    <message>
        <source>Choose a PDF…</source>
        <translation>Escolher um PDF…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Enviar por e-mail</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Smallest file (images at 50 ppi)</source>
        <translation>Menor arquivo (imagens a 50 ppi)</translation>
    </message>
    <message>
        <source>Medium (images at 150 ppi)</source>
        <translation>Média (imagens a 150 ppi)</translation>
    </message>
    <message>
        <source>Best quality (images at 300 ppi)</source>
        <translation>Melhor qualidade (imagens a 300 ppi)</translation>
    </message>
    <message>
        <source>Choose a PDF document</source>
        <translation>Escolher um documento PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf *.PDF)</source>
        <translation>Documentos PDF (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>“%1” is not a PDF document that can be read.</source>
        <translation>“%1” não é um documento PDF legível.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Please enter the password</source>
        <translation>Digite a senha</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compressor</source>
        <translation>Compressor</translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Já está compacto: não foi possível criar uma cópia menor</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Esta cópia não está protegida por senha</translation>
    </message>
    <message>
        <source>Save the compressed PDF</source>
        <translation>Salvar o PDF compactado</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>“%1” já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>The copy could not be saved as “%1”.</source>
        <translation>Não foi possível salvar a cópia como “%1”.</translation>
    </message>
</context>
<context>
    <name>ORPdfWindowCter</name>
    <message>
        <source>PDF Compressor</source>
        <translation>Compressor de PDF</translation>
    </message>
</context>
<context>
    <name>ORShredViewCter</name>
    <message>
        <source>Shredder</source>
        <translation>Triturador</translation>
    </message>
    <message>
        <source>Files and folders shredded here are removed at once, not moved to the Trash.</source>
        <translation>Arquivos e pastas triturados aqui são removidos imediatamente, sem passar pela lixeira.</translation>
    </message>
    <message>
        <source>To shred</source>
        <translation>A triturar</translation>
    </message>
    <message>
        <source>Drop files and folders here</source>
        <translation>Solte arquivos e pastas aqui</translation>
    </message>
    <message>
        <source>Overwrite contents before removing</source>
        <translation>Sobrescrever o conteúdo antes de remover</translation>
    </message>
    <message>
        <source>On SSDs and copy-on-write file systems, overwriting cannot guarantee that the old data is gone.</source>
        <translation>Em SSDs e em sistemas de arquivos copy-on-write, sobrescrever não garante que os dados antigos tenham sido apagados.</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Triturar</translation>
    </message>
</context>
<context>
    <name>ORToolViewCter</name>
    <message>
        <source>Toolbox</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Make PDF files smaller, or open the desktop&apos;s own tools for this computer, its disks and its extensions.</source>
        <translation>Reduza arquivos PDF ou abra as ferramentas da própria área de trabalho para este computador, seus discos e suas extensões.</translation>
    </message>
    <message>
        <source>PDF Compressor</source>
        <translation>Compressor de PDF</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informações do sistema</translation>
    </message>
    <message>
        <source>Disk Utility</source>
        <translation>Utilitário de disco</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensões</translation>
    </message>
    <message>
        <source>Open the Extensions page</source>
        <translation>Abrir a página Extensões</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Não instalado</translation>
    </message>
    <message>
        <source>The PDF compressor cannot be opened: its plugin is missing or broken.

%1</source>
        <translation>Não é possível abrir o Compressor de PDF: o plug-in dele está ausente ou danificado.

%1</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Não foi possível abrir %1.</translation>
    </message>
</context>
<context>
    <name>ORUninstDelViewCter</name>
    <message>
        <source>Open Trash</source>
        <translation>Abrir a Lixeira</translation>
    </message>
    <message>
        <source>What went to the Trash can be restored from there</source>
        <translation>O que foi para a lixeira pode ser restaurado de lá</translation>
    </message>
</context>
<context>
    <name>ORUninstResultViewCter</name>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pasta pessoal</translation>
    </message>
    <message>
        <source>Flatpak</source>
        <translation>Flatpak</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Pacote</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Caches</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Seus dados</translation>
    </message>
    <message>
        <source>Removed only with the application: tick the application first</source>
        <translation>Removido apenas com o aplicativo: marque o aplicativo primeiro</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Sort the applications</source>
        <translation>Ordenar os aplicativos</translation>
    </message>
    <message>
        <source>Last Modified: %1</source>
        <translation>Última modificação: %1</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Pesquisar aplicativos</translation>
    </message>
</context>
<context>
    <name>ORUninstViewCter</name>
    <message>
        <source>Uninstaller</source>
        <translation>Desinstalador</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it leaves behind, and remove an application completely or just its leftovers. What you remove goes to the Trash; your own data stays unless you tick it.</source>
        <translation>Veja todos os aplicativos instalados com os caches, as preferências e os dados que eles deixam para trás, e remova um aplicativo por completo ou apenas os resíduos dele. O que você remove vai para a lixeira; os seus dados permanecem, a menos que você os marque.</translation>
    </message>
    <message>
        <source>See every installed application with the caches, settings and data it keeps, and remove an application together with them. Files of yours go to the Trash; your own data stays unless you tick it.</source>
        <translation>Veja todos os aplicativos instalados com os caches, as preferências e os dados que eles guardam, e remova um aplicativo junto com eles. Os arquivos que são seus vão para a lixeira; os seus dados permanecem, a menos que você os marque.</translation>
    </message>
    <message>
        <source>Scanning the installed applications…</source>
        <translation>Analisando os aplicativos instalados…</translation>
    </message>
    <message>
        <source>Collecting...</source>
        <translation>Coletando...</translation>
    </message>
    <message>
        <source>Fewer than two applications were found: there is nothing to uninstall.</source>
        <translation>Foram encontrados menos de dois aplicativos: não há nada para desinstalar.</translation>
    </message>
</context>
<context>
    <name>ORUtility</name>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
</context>
<context>
    <name>OlderThanOption</name>
    <message>
        <source>%1 needs a number of days</source>
        <translation>%1 precisa de um número de dias</translation>
    </message>
    <message>
        <source>--older-than takes a whole number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--older-than aceita um número inteiro de dias de 0 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>  --older-than DAYS      only files last modified more than DAYS days ago (0: all)
</source>
        <translation>  --older-than DAYS      apenas arquivos modificados pela última vez há mais de DAYS dias (0: todos)
</translation>
    </message>
    <message>
        <source>  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place
        of the ages set in Preferences &gt; Junk Clean (which apply otherwise, --clean
        included): by the newest modification time inside an item, and in the Trash by
        the date it was deleted; a Trash item without a readable date counts as new
</source>
        <translation>  --older-than DAYS  apenas itens com mais de DAYS dias (0: todos), em todas as categorias, no lugar
        das idades definidas em Preferências &gt; Limpeza (que valem nos outros casos, --clean
        incluído): pela modificação mais recente dentro de um item e, na Lixeira, pela data
        em que foi excluído; um item da Lixeira sem data legível conta como novo
</translation>
    </message>
</context>
<context>
    <name>OutputPlacement</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 já existe</translation>
    </message>
    <message>
        <source>no file can be made in %1: %2</source>
        <translation>não é possível criar um arquivo em %1: %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>PackageCommands</name>
    <message>
        <source>%1 could not be run: %2</source>
        <translation>não foi possível executar %1: %2</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2): %3</source>
        <translation>%1 falhou (status de saída %2): %3</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; permanece onde está</translation>
    </message>
    <message>
        <source>%1 failed with administrator rights (exit status %2)</source>
        <translation>%1 falhou com privilégios de administrador (status de saída %2)</translation>
    </message>
    <message>
        <source>flatpak is not installed; left in place</source>
        <translation>o flatpak não está instalado; permanece onde está</translation>
    </message>
    <message>
        <source>%1 would not remove it; left in place</source>
        <translation>%1 se recusou a removê-lo; permanece onde está</translation>
    </message>
    <message>
        <source>removing it would also remove %1; left in place</source>
        <translation>removê-lo também removeria %1; permanece onde está</translation>
    </message>
    <message>
        <source>apt-get is not installed; left in place</source>
        <translation>o apt-get não está instalado; permanece onde está</translation>
    </message>
</context>
<context>
    <name>PackageKitRemoval</name>
    <message>
        <source>cancelled; left in place</source>
        <translation>cancelado; permanece onde está</translation>
    </message>
    <message>
        <source>PackageKit is not running; left in place</source>
        <translation>o PackageKit não está em execução; permanece onde está</translation>
    </message>
    <message>
        <source>PackageKit could not plan the removal: %1; left in place</source>
        <translation>o PackageKit não conseguiu planejar a remoção: %1; permanece onde está</translation>
    </message>
    <message>
        <source>%1; left in place</source>
        <translation>%1; permanece onde está</translation>
    </message>
    <message>
        <source>PackageKit could not remove it: %1; left in place</source>
        <translation>o PackageKit não conseguiu removê-lo: %1; permanece onde está</translation>
    </message>
</context>
<context>
    <name>PageStyle</name>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
</context>
<context>
    <name>PasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected by a password</source>
        <translation>&quot;%1&quot; está protegido por senha</translation>
    </message>
    <message>
        <source>Enter the password to extract its files.</source>
        <translation>Digite a senha para extrair os arquivos.</translation>
    </message>
    <message>
        <source>Trying the password…</source>
        <translation>Testando a senha…</translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>Usage: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
Makes a smaller copy of a PDF document: its images are brought down to 50 ppi
(quality 0, the default), 150 ppi (1) or 300 ppi (2). When no smaller copy can
be made the copy is the document itself. A password-protected document gives
a copy without protection.

  --quality N        0, 1 or 2
  -o OUT             put the copy at OUT (a file name, or a folder to put it in)
                     instead of leaving it in the compressor&apos;s temporary folder
  --yes              replace OUT when it exists, without asking
  --dry-run          show what would be done, make nothing
  --password-stdin   read the password from the first line of standard input
                     (otherwise it is asked for on the terminal when needed)
  --json             print the result as JSON
  --help             show this text
  -V, --version      show the version
</source>
        <translation>Uso: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]
Cria uma cópia menor de um documento PDF: as imagens são reduzidas a 50 ppi
(qualidade 0, o padrão), 150 ppi (1) ou 300 ppi (2). Quando não é possível criar uma cópia
menor, a cópia é o próprio documento. Um documento protegido por senha gera
uma cópia sem proteção.

  --quality N        0, 1 ou 2
  -o OUT             coloca a cópia em OUT (um nome de arquivo, ou uma pasta onde colocá-la)
                     em vez de deixá-la na pasta temporária do compressor
  --yes              substitui OUT se existir, sem perguntar
  --dry-run          mostra o que seria feito, e não cria nada
  --password-stdin   lê a senha da primeira linha da entrada padrão
                     (caso contrário, ela é pedida no terminal quando necessário)
  --json             mostra o resultado como JSON
  --help             mostra este texto
  -V, --version      mostra a versão
</translation>
    </message>
    <message>
        <source>%1 needs 0, 1 or 2</source>
        <translation>%1 precisa de 0, 1 ou 2</translation>
    </message>
    <message>
        <source>%1 needs a file or a folder</source>
        <translation>%1 precisa de um arquivo ou uma pasta</translation>
    </message>
    <message>
        <source>--quality takes 0, 1 or 2</source>
        <translation>--quality aceita 0, 1 ou 2</translation>
    </message>
    <message>
        <source>%1: not a PDF document that can be read</source>
        <translation>%1: não é um documento PDF legível</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Senha de %1: </translation>
    </message>
    <message>
        <source>%1 needs a password: give it with --password-stdin</source>
        <translation>%1 precisa de uma senha: informe-a com --password-stdin</translation>
    </message>
    <message>
        <source>%1: wrong password</source>
        <translation>%1: senha incorreta</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Substituir %1?</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Compactando</translation>
    </message>
    <message>
        <source>the copy stays at %1: %2</source>
        <translation>a cópia permanece em %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)</source>
        <translation>
            <numerusform>%1 (%n página, %2) seria compactado com qualidade %3 em %4 (substituindo-o)</numerusform>
            <numerusform>%1 (%n páginas, %2) seria compactado com qualidade %3 em %4 (substituindo-o)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would compress %1 (%n page(s), %2) at quality %3 into %4</source>
        <translation>
            <numerusform>%1 (%n página, %2) seria compactado com qualidade %3 em %4</numerusform>
            <numerusform>%1 (%n páginas, %2) seria compactado com qualidade %3 em %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n page(s), %2 -&gt; %3</source>
        <translation>
            <numerusform>%1: %n página, %2 -&gt; %3</numerusform>
            <numerusform>%1: %n páginas, %2 -&gt; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Already compact: no smaller copy could be made</source>
        <translation>Já está compacto: não foi possível criar uma cópia menor</translation>
    </message>
    <message>
        <source>This copy is not password protected</source>
        <translation>Esta cópia não está protegida por senha</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Gravado em %1</translation>
    </message>
</context>
<context>
    <name>PdfCompressor</name>
    <message>
        <source>Compression failed: %1</source>
        <translation>Falha na compactação: %1</translation>
    </message>
    <message>
        <source>Ghostscript left no readable PDF</source>
        <translation>o Ghostscript não gerou nenhum PDF legível</translation>
    </message>
    <message>
        <source>the copy has %1 of the %2 pages</source>
        <translation>a cópia tem %1 das %2 páginas</translation>
    </message>
    <message>
        <source>%1 is not a PDF document that can be read</source>
        <translation>%1 não é um documento PDF legível</translation>
    </message>
    <message>
        <source>the copy could not be written in %1</source>
        <translation>não foi possível gravar a cópia em %1</translation>
    </message>
</context>
<context>
    <name>PdfPasswordPanel</name>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Enter the document&apos;s password:</source>
        <translation>Digite a senha do documento:</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Senha incorreta</translation>
    </message>
</context>
<context>
    <name>PdfWorkFolder</name>
    <message>
        <source>%1 is not a private folder of yours</source>
        <translation>%1 não é uma pasta particular sua</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>não é possível bloquear %1</translation>
    </message>
    <message>
        <source>no folder can be made in %1</source>
        <translation>não é possível criar uma pasta em %1</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln itens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusedPlaces</name>
    <message>
        <source>where it lies could not be checked</source>
        <translation>não foi possível verificar onde está</translation>
    </message>
    <message>
        <source>it is the home folder or holds it (%1)</source>
        <translation>é a pasta pessoal ou a contém (%1)</translation>
    </message>
    <message>
        <source>it holds the root folder %1</source>
        <translation>contém a pasta raiz %1</translation>
    </message>
    <message>
        <source>it is the root folder</source>
        <translation>é a pasta raiz</translation>
    </message>
    <message>
        <source>it is a protected system folder</source>
        <translation>é uma pasta protegida do sistema</translation>
    </message>
    <message>
        <source>it lies in the protected system folder %1</source>
        <translation>está na pasta protegida do sistema %1</translation>
    </message>
    <message>
        <source>it is or lies in your folder %1</source>
        <translation>é ou está na sua pasta %1</translation>
    </message>
    <message>
        <source>it holds %1, which is on your Never touch list</source>
        <translation>contém %1, que está na sua lista &quot;Nunca mexer&quot;</translation>
    </message>
    <message>
        <source>it is on your Never touch list</source>
        <translation>está na sua lista &quot;Nunca mexer&quot;</translation>
    </message>
    <message>
        <source>it lies in %1, which is on your Never touch list</source>
        <translation>fica em %1, que está na sua lista &quot;Nunca mexer&quot;</translation>
    </message>
</context>
<context>
    <name>RemovalRun</name>
    <message>
        <source>a link lies on its way: it changed since the scan</source>
        <translation>há um link no caminho: houve alteração desde a análise</translation>
    </message>
    <message>
        <source>it lies on another file system mounted below its folder</source>
        <translation>está em outro sistema de arquivos montado dentro da sua pasta</translation>
    </message>
    <message>
        <source>more entries could not be removed</source>
        <translation>não foi possível remover outras entradas</translation>
    </message>
    <message>
        <source>not inside %1</source>
        <translation>não está dentro de %1</translation>
    </message>
    <message>
        <source>another file system is mounted here; left alone</source>
        <translation>outro sistema de arquivos está montado aqui; fica como está</translation>
    </message>
    <message>
        <source>it changed since the scan</source>
        <translation>mudou desde a análise</translation>
    </message>
    <message>
        <source>its folder %1 is missing or was left alone</source>
        <translation>sua pasta %1 não existe ou ficou como estava</translation>
    </message>
    <message>
        <source>a top folder is never removed whole</source>
        <translation>uma pasta de nível superior nunca é removida inteira</translation>
    </message>
    <message>
        <source>its folder %1 is missing or cannot be opened</source>
        <translation>sua pasta %1 não existe ou não pode ser aberta</translation>
    </message>
    <message>
        <source>its folder now leads to %1: a link on its way changed since it was chosen</source>
        <translation>sua pasta agora leva a %1: um link no caminho mudou desde a escolha</translation>
    </message>
    <message>
        <source>not a plain path below %1</source>
        <translation>não é um caminho simples dentro de %1</translation>
    </message>
    <message>
        <source>it is no longer the item that was listed</source>
        <translation>não é mais o item que foi listado</translation>
    </message>
    <message>
        <source>a top folder is never moved whole</source>
        <translation>uma pasta de nível superior nunca é movida inteira</translation>
    </message>
</context>
<context>
    <name>STPrivilegedTask</name>
    <message>
        <source>administrator authorisation was cancelled</source>
        <translation>a autorização de administrador foi cancelada</translation>
    </message>
    <message>
        <source>No password prompt could be shown: no authentication agent is running</source>
        <translation>Não foi possível exibir o pedido de senha: nenhum agente de autenticação está em execução</translation>
    </message>
    <message>
        <source>No password prompt could be shown: pkexec is not installed</source>
        <translation>Não foi possível exibir o pedido de senha: o pkexec não está instalado</translation>
    </message>
    <message>
        <source>the password prompt could not be started</source>
        <translation>não foi possível iniciar o pedido de senha</translation>
    </message>
    <message>
        <source>administrator rights were not granted</source>
        <translation>os privilégios de administrador não foram concedidos</translation>
    </message>
</context>
<context>
    <name>ScheduleCommand</name>
    <message>
        <source>every day</source>
        <translation>todo dia</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>toda semana</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>todo mês</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Junk is cleaned automatically: %1</source>
        <translation>Os arquivos desnecessários são limpos automaticamente: %1</translation>
    </message>
    <message>
        <source>(but the timer is not enabled)</source>
        <translation>(mas o temporizador não está ativado)</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Categorias:</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
Tells whether junk is cleaned automatically, how often and which categories, or
changes it. A schedule is a systemd user timer and service in
$XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer and .service), enabled with
systemctl --user; the service runs &quot;sweepwright-cli junk --clean --yes --profile
scheduled&quot; at low priority, which never asks for a password and ends with a desktop
notification. The categories are chosen in the preferences of the window program.
--off disables the timer and removes both files. Exits 1 when the change failed
(no systemd user session, for one).

  --daily        clean every day
  --weekly       clean every week
  --monthly      clean every month
  --off          clean no more
  --json         print one JSON object instead of text
  --help         show this text
  -V, --version  show the version
</source>
        <translation>Uso: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]
Informa se os arquivos desnecessários são limpos automaticamente, com que frequência e
quais categorias, ou altera isso. Um agendamento é um temporizador e um serviço de
usuário do systemd em $XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer e
.service), ativados com systemctl --user; o serviço executa &quot;sweepwright-cli junk
--clean --yes --profile scheduled&quot; com baixa prioridade, nunca pede senha e termina com
uma notificação. As categorias são escolhidas nas preferências do programa com janela.
--off desativa o temporizador e remove os dois arquivos. Sai com 1 quando a alteração
falhou (sem sessão de usuário do systemd, por exemplo).

  --daily        limpar todo dia
  --weekly       limpar toda semana
  --monthly      limpar todo mês
  --off          não limpar mais
  --json         mostrar um objeto JSON em vez de texto
  --help         mostrar este texto
  -V, --version  mostrar a versão
</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>escolha um de %1</translation>
    </message>
</context>
<context>
    <name>SchedulePrefViewController</name>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todo dia</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Toda semana</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Todo mês</translation>
    </message>
    <message>
        <source>Clean &amp;automatically:</source>
        <translation>Limpar &amp;automaticamente:</translation>
    </message>
    <message>
        <source>Clean automatically</source>
        <translation>Limpar automaticamente</translation>
    </message>
    <message>
        <source>The cleaning runs in the background at low priority, even when Sweepwright is not open. It never asks for a password: what needs one is left. A notification tells what was removed.</source>
        <translation>A limpeza é executada em segundo plano com baixa prioridade, mesmo com o Sweepwright fechado. Ela nunca pede senha: o que precisa de uma é mantido. Uma notificação informa o que foi removido.</translation>
    </message>
    <message>
        <source>Clean these kinds of junk:</source>
        <translation>Limpar estes tipos de arquivos desnecessários:</translation>
    </message>
    <message>
        <source>Not available here: %1</source>
        <translation>Não disponível aqui: %1</translation>
    </message>
    <message>
        <source>The schedule could not be changed: %1</source>
        <translation>Não foi possível alterar o agendamento: %1</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Agendamento</translation>
    </message>
</context>
<context>
    <name>ScheduledRunNotice</name>
    <message numerus="yes">
        <source>Removed %n item(s), %1.</source>
        <translation>
            <numerusform>%n item removido, %1.</numerusform>
            <numerusform>%n itens removidos, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing needed removing.</source>
        <translation>Não havia nada para remover.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be removed.</source>
        <translation>
            <numerusform>%n item não pôde ser removido.</numerusform>
            <numerusform>%n itens não puderam ser removidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) left: they need administrator rights.</source>
        <translation>
            <numerusform>%n item mantido: precisa de direitos de administrador.</numerusform>
            <numerusform>%n itens mantidos: precisam de direitos de administrador.</numerusform>
        </translation>
    </message>
    <message>
        <source>Junk files cleaned</source>
        <translation>Arquivos desnecessários limpos</translation>
    </message>
</context>
<context>
    <name>SevenZip</name>
    <message>
        <source>link leads outside the destination</source>
        <translation>o link aponta para fora do destino</translation>
    </message>
</context>
<context>
    <name>SevenZipProcess</name>
    <message>
        <source>7zz is not installed</source>
        <translation>o 7zz não está instalado</translation>
    </message>
    <message>
        <source>7zz made no progress for %1 ms</source>
        <translation>o 7zz não avançou por %1 ms</translation>
    </message>
</context>
<context>
    <name>ShredCommand</name>
    <message>
        <source>refused %1: %2</source>
        <translation>%1 recusado: %2</translation>
    </message>
    <message>
        <source>Usage: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                             [--layout L] [--root R] [--home H]
Removes the files and folders named, each whole, with your own rights. A PATH of
&quot;-&quot; reads the paths from standard input, one a line or separated by NUL bytes
(find -print0); nothing can then be asked, so they go only with --yes. A link is
removed as a link; nothing is removed on another file system mounted inside a
folder. The root folder, the home, a folder that holds it and the system&apos;s own
folders (and what lies in them) are never removed, by whatever name they are
given: they are reported on stderr as refused, with the reason. Asks on a terminal
first; without --yes and without a terminal nothing is removed (exit status 2).
Ctrl-C stops after the current entry (exit status 130); exit status 1 when a path
stays.

  --overwrite    overwrite each file once with random bytes before removing it
                 (files with one name that you may write, and only once they are
                 certain to go; on SSDs and copy-on-write file systems the old
                 data may survive anyway)
  --yes          remove without asking
  --dry-run      show what would be removed, and remove nothing
  --json         print {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} as one JSON object
  --help         show this text
  -V, --version  show the version
</source>
        <translation>Uso: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]
                           [--layout L] [--root R] [--home H]
Remove os arquivos e pastas indicados, cada um por inteiro, com as permissões do seu usuário. Se
PATH for &quot;-&quot;, os caminhos são lidos da entrada padrão, um por linha ou separados por bytes NUL
(find -print0); como nada pode ser perguntado, eles só são removidos com --yes. Um link é
removido como link; nada é removido em outro sistema de arquivos montado dentro de uma
pasta. A pasta raiz, a pasta pessoal, uma pasta que a contenha e as pastas do próprio sistema
(e o que houver nelas) nunca são removidas, seja qual for o nome com que forem
indicadas: elas são relatadas no stderr como recusadas, com o motivo. Pergunta antes em um
terminal; sem --yes e sem terminal, nada é removido (status de saída 2).
Ctrl-C interrompe após a entrada atual (status de saída 130); status de saída 1 quando um
caminho permanece.

  --overwrite    sobrescreve cada arquivo uma vez com bytes aleatórios antes de removê-lo
                 (arquivos com um único nome em que você pode gravar, e só quando é
                 certo que serão removidos; em SSDs e sistemas de arquivos copy-on-write
                 os dados antigos podem sobreviver mesmo assim)
  --yes          remove sem perguntar
  --dry-run      mostra o que seria removido, e não remove nada
  --json         mostra {&quot;shredSize&quot;, &quot;removed&quot;, &quot;failed&quot;} como um único objeto JSON
  --help         mostra este texto
  -V, --version  mostra a versão
</translation>
    </message>
    <message>
        <source>no path given</source>
        <translation>nenhum caminho informado</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Medindo</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Triturando</translation>
    </message>
    <message numerus="yes">
        <source>Refused %n path(s) (named on stderr).</source>
        <translation>
            <numerusform>%n caminho recusado (indicado no stderr).</numerusform>
            <numerusform>%n caminhos recusados (indicados no stderr).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShredOverwrite</name>
    <message>
        <source>%1; it was kept</source>
        <translation>%1; foi mantido</translation>
    </message>
    <message>
        <source>%1; it was kept as %2</source>
        <translation>%1; foi mantido como %2</translation>
    </message>
    <message>
        <source>it cannot be removed from its folder (%1); nothing was overwritten</source>
        <translation>não pode ser removido da sua pasta (%1); nada foi sobrescrito</translation>
    </message>
    <message>
        <source>it changed since it was examined</source>
        <translation>mudou desde que foi examinado</translation>
    </message>
    <message>
        <source>its contents could not be overwritten (%1)</source>
        <translation>não foi possível sobrescrever o conteúdo (%1)</translation>
    </message>
</context>
<context>
    <name>SmartCleanPrefViewController</name>
    <message>
        <source>Look for these kinds of junk:</source>
        <translation>Procurar estes tipos de arquivos desnecessários:</translation>
    </message>
    <message>
        <source>Junk Clean</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>Only items older than</source>
        <translation>Só com mais de</translation>
    </message>
    <message>
        <source>%1: only items older than a number of days</source>
        <translation>%1: apenas itens com mais de um número de dias</translation>
    </message>
</context>
<context>
    <name>StagingFolder</name>
    <message>
        <source>device node, FIFO or socket</source>
        <translation>nó de dispositivo, FIFO ou socket</translation>
    </message>
    <message>
        <source>folder too deep</source>
        <translation>pasta profunda demais</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>o link aponta para fora do destino</translation>
    </message>
    <message>
        <source>file linked from outside</source>
        <translation>arquivo vinculado de fora</translation>
    </message>
</context>
<context>
    <name>SystemTools</name>
    <message>
        <source>%1 has no program to start.</source>
        <translation>%1 não tem nenhum programa para iniciar.</translation>
    </message>
    <message>
        <source>%1 could not be started: its program %2 was not found.</source>
        <translation>Não foi possível iniciar %1: o programa %2 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>Não foi possível iniciar %1: %2</translation>
    </message>
</context>
<context>
    <name>TUEncodingPopUp</name>
    <message>
        <source>Western (ASCII)</source>
        <translation>Ocidental (ASCII)</translation>
    </message>
    <message>
        <source>Japanese (EUC)</source>
        <translation>Japonês (EUC)</translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 1)</source>
        <translation>Ocidental (ISO Latin 1)</translation>
    </message>
    <message>
        <source>Japanese (Shift JIS)</source>
        <translation>Japonês (Shift JIS)</translation>
    </message>
    <message>
        <source>Central European (ISO Latin 2)</source>
        <translation>Europeu central (ISO Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows)</source>
        <translation>Cirílico (Windows)</translation>
    </message>
    <message>
        <source>Western (Windows Latin 1)</source>
        <translation>Ocidental (Windows Latin 1)</translation>
    </message>
    <message>
        <source>Greek (Windows)</source>
        <translation>Grego (Windows)</translation>
    </message>
    <message>
        <source>Turkish (Windows Latin 5)</source>
        <translation>Turco (Windows Latin 5)</translation>
    </message>
    <message>
        <source>Central European (Windows Latin 2)</source>
        <translation>Europeu central (Windows Latin 2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP)</source>
        <translation>Japonês (ISO 2022-JP)</translation>
    </message>
    <message>
        <source>Western (Mac OS Roman)</source>
        <translation>Ocidental (Mac OS Roman)</translation>
    </message>
    <message>
        <source>Greek (Mac OS)</source>
        <translation>Grego (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (Mac OS)</source>
        <translation>Cirílico (Mac OS)</translation>
    </message>
    <message>
        <source>Central European (Mac OS)</source>
        <translation>Europeu central (Mac OS)</translation>
    </message>
    <message>
        <source>Turkish (Mac OS)</source>
        <translation>Turco (Mac OS)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO 8859-5)</source>
        <translation>Cirílico (ISO 8859-5)</translation>
    </message>
    <message>
        <source>Arabic (ISO 8859-6)</source>
        <translation>Árabe (ISO 8859-6)</translation>
    </message>
    <message>
        <source>Greek (ISO 8859-7)</source>
        <translation>Grego (ISO 8859-7)</translation>
    </message>
    <message>
        <source>Hebrew (ISO 8859-8)</source>
        <translation>Hebraico (ISO 8859-8)</translation>
    </message>
    <message>
        <source>Turkish (ISO Latin 5)</source>
        <translation>Turco (ISO Latin 5)</translation>
    </message>
    <message>
        <source>Nordic (ISO Latin 6)</source>
        <translation>Nórdico (ISO Latin 6)</translation>
    </message>
    <message>
        <source>Thai (ISO 8859-11)</source>
        <translation>Tailandês (ISO 8859-11)</translation>
    </message>
    <message>
        <source>Baltic (ISO Latin 7)</source>
        <translation>Báltico (ISO Latin 7)</translation>
    </message>
    <message>
        <source>Celtic (ISO Latin 8)</source>
        <translation>Celta (ISO Latin 8)</translation>
    </message>
    <message>
        <source>Western (ISO Latin 9)</source>
        <translation>Ocidental (ISO Latin 9)</translation>
    </message>
    <message>
        <source>Romanian (ISO Latin 10)</source>
        <translation>Romeno (ISO Latin 10)</translation>
    </message>
    <message>
        <source>Latin-US (DOS)</source>
        <translation>Latim-EUA (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Grego (DOS)</translation>
    </message>
    <message>
        <source>Baltic (DOS)</source>
        <translation>Báltico (DOS)</translation>
    </message>
    <message>
        <source>Western (DOS Latin 1)</source>
        <translation>Ocidental (DOS Latin 1)</translation>
    </message>
    <message>
        <source>Central European (DOS Latin 2)</source>
        <translation>Europeu central (DOS Latin 2)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cirílico (DOS)</translation>
    </message>
    <message>
        <source>Turkish (DOS)</source>
        <translation>Turco (DOS)</translation>
    </message>
    <message>
        <source>Portuguese (DOS)</source>
        <translation>Português (DOS)</translation>
    </message>
    <message>
        <source>Icelandic (DOS)</source>
        <translation>Islandês (DOS)</translation>
    </message>
    <message>
        <source>Hebrew (DOS)</source>
        <translation>Hebraico (DOS)</translation>
    </message>
    <message>
        <source>Canadian French (DOS)</source>
        <translation>Francês canadense (DOS)</translation>
    </message>
    <message>
        <source>Arabic (DOS)</source>
        <translation>Árabe (DOS)</translation>
    </message>
    <message>
        <source>Nordic (DOS)</source>
        <translation>Nórdico (DOS)</translation>
    </message>
    <message>
        <source>Russian (DOS)</source>
        <translation>Russo (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS Greek 2)</source>
        <translation>Grego (DOS Greek 2)</translation>
    </message>
    <message>
        <source>Thai (Windows, DOS)</source>
        <translation>Tailandês (Windows, DOS)</translation>
    </message>
    <message>
        <source>Korean (Windows, DOS)</source>
        <translation>Coreano (Windows, DOS)</translation>
    </message>
    <message>
        <source>Hebrew (Windows)</source>
        <translation>Hebraico (Windows)</translation>
    </message>
    <message>
        <source>Arabic (Windows)</source>
        <translation>Árabe (Windows)</translation>
    </message>
    <message>
        <source>Baltic (Windows)</source>
        <translation>Báltico (Windows)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows)</source>
        <translation>Vietnamita (Windows)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinês simplificado (GBK)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 18030)</source>
        <translation>Chinês simplificado (GB 18030)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-2)</source>
        <translation>Japonês (ISO 2022-JP-2)</translation>
    </message>
    <message>
        <source>Japanese (ISO 2022-JP-1)</source>
        <translation>Japonês (ISO 2022-JP-1)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN)</source>
        <translation>Chinês (ISO 2022-CN)</translation>
    </message>
    <message>
        <source>Chinese (ISO 2022-CN-EXT)</source>
        <translation>Chinês (ISO 2022-CN-EXT)</translation>
    </message>
    <message>
        <source>Korean (ISO 2022-KR)</source>
        <translation>Coreano (ISO 2022-KR)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GB 2312)</source>
        <translation>Chinês simplificado (GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (EUC)</source>
        <translation>Chinês tradicional (EUC)</translation>
    </message>
    <message>
        <source>Korean (EUC)</source>
        <translation>Coreano (EUC)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cirílico (KOI8-R)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5)</source>
        <translation>Chinês tradicional (Big 5)</translation>
    </message>
    <message>
        <source>Simplified Chinese (HZ GB 2312)</source>
        <translation>Chinês simplificado (HZ GB 2312)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big 5 HKSCS)</source>
        <translation>Chinês tradicional (Big 5 HKSCS)</translation>
    </message>
    <message>
        <source>Vietnamese (VISCII)</source>
        <translation>Vietnamita (VISCII)</translation>
    </message>
    <message>
        <source>Ukrainian (KOI8-U)</source>
        <translation>Ucraniano (KOI8-U)</translation>
    </message>
    <message>
        <source>Western (EBCDIC Latin 1)</source>
        <translation>Ocidental (EBCDIC Latin 1)</translation>
    </message>
    <message>
        <source>Unicode (UTF-7)</source>
        <translation>Unicode (UTF-7)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32)</source>
        <translation>Unicode (UTF-32)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16BE)</source>
        <translation>Unicode (UTF-16BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-16LE)</source>
        <translation>Unicode (UTF-16LE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32BE)</source>
        <translation>Unicode (UTF-32BE)</translation>
    </message>
    <message>
        <source>Unicode (UTF-32LE)</source>
        <translation>Unicode (UTF-32LE)</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Detectar automaticamente</translation>
    </message>
    <message>
        <source>South European (ISO Latin 3)</source>
        <translation>Europeu do sul (ISO Latin 3)</translation>
    </message>
    <message>
        <source>North European (ISO Latin 4)</source>
        <translation>Europeu do norte (ISO Latin 4)</translation>
    </message>
</context>
<context>
    <name>TemporaryBase</name>
    <message>
        <source>TMPDIR (%1) is not an absolute path</source>
        <translation>TMPDIR (%1) não é um caminho absoluto</translation>
    </message>
    <message>
        <source>TMPDIR (%1) is not an existing folder</source>
        <translation>TMPDIR (%1) não é uma pasta existente</translation>
    </message>
    <message>
        <source>TMPDIR (%1) belongs to another user and is not a shared temporary folder</source>
        <translation>TMPDIR (%1) pertence a outro usuário e não é uma pasta temporária compartilhada</translation>
    </message>
</context>
<context>
    <name>TemporaryFolder</name>
    <message>
        <source>no free name</source>
        <translation>nenhum nome livre</translation>
    </message>
</context>
<context>
    <name>TnefCommand</name>
    <message>
        <source>Usage: sweepwright-cli tnef FILE [-C DIR] [options]
Writes the attachments and message bodies of a winmail.dat (TNEF) file into DIR
(default: the current folder). FILE &quot;-&quot; reads standard input.
Without any of the options below it saves every body as MailBody.rtf, .html and .txt.

  -C DIR               write into DIR (created when missing)
  --verbose            print a line per file and the warnings
  --debug              dump every attribute and property
  --list               write nothing, list what would be written
  --use-paths          keep the folders of Windows paths (never above DIR)
  --absolute-paths     with --use-paths, keep a leading folder separator (still inside DIR)
  --overwrite          overwrite existing files
  --interactive        ask before writing each file
  --number-backups     write NAME.1, NAME.2 ... instead of skipping an existing NAME
  --save-body[=PREF]   save the bodies; PREF is &quot;all&quot; (default) or up to three of r, h, t
                       (RTF, HTML, text): the first kind present is saved
  --body-name NAME     base name of the body files (default MailBody)
  --mime               also list the MIME type and content ID
  --ignore-checksum    warn about a wrong checksum instead of stopping
  --tolerate-props     drop a damaged property block instead of stopping
  --tolerate-trailer   accept a trailing carriage return and line feed quietly
  --unix-safe          also escape non-ASCII bytes and shell characters in names
  --maxsize N          refuse any single allocation above N bytes
  --dry-run            the same as --list
  --help               show this text
  -V, --version        show the version
</source>
        <translation>Uso: sweepwright-cli tnef FILE [-C DIR] [opções]
Grava os anexos e os corpos de mensagem de um arquivo winmail.dat (TNEF) em DIR
(padrão: a pasta atual). Se FILE for &quot;-&quot;, lê a entrada padrão.
Sem nenhuma das opções abaixo, salva cada corpo como MailBody.rtf, .html e .txt.

  -C DIR               grava em DIR (criada se não existir)
  --verbose            mostra uma linha por arquivo e os avisos
  --debug              despeja todos os atributos e propriedades
  --list               não grava nada; lista o que seria gravado
  --use-paths          mantém as pastas dos caminhos do Windows (nunca acima de DIR)
  --absolute-paths     com --use-paths, mantém uma barra inicial (ainda dentro de DIR)
  --overwrite          sobrescreve os arquivos existentes
  --interactive        pergunta antes de gravar cada arquivo
  --number-backups     grava NAME.1, NAME.2 ... em vez de ignorar um NAME existente
  --save-body[=PREF]   salva os corpos; PREF é &quot;all&quot; (padrão) ou até três entre r, h, t
                       (RTF, HTML, texto): o primeiro tipo presente é salvo
  --body-name NAME     nome base dos arquivos de corpo (padrão MailBody)
  --mime               lista também o tipo MIME e o ID de conteúdo
  --ignore-checksum    avisa sobre uma soma de verificação errada em vez de parar
  --tolerate-props     descarta um bloco de propriedades danificado em vez de parar
  --tolerate-trailer   aceita sem avisar um retorno de carro e uma quebra de linha finais
  --unix-safe          escapa também nos nomes os bytes não ASCII e os caracteres do shell
  --maxsize N          recusa qualquer alocação de memória acima de N bytes
  --dry-run            o mesmo que --list
  --help               mostra este texto
  -V, --version        mostra a versão
</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 precisa de uma pasta</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 precisa de um nome</translation>
    </message>
    <message>
        <source>%1 needs a number of bytes</source>
        <translation>%1 precisa de um número de bytes</translation>
    </message>
    <message>
        <source>--save-body takes &quot;all&quot; or up to three of r, h, t</source>
        <translation>--save-body aceita &quot;all&quot; ou até três entre r, h, t</translation>
    </message>
</context>
<context>
    <name>ToolCommand</name>
    <message>
        <source>Scanning</source>
        <translation>Analisando</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Removendo</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>no free name in the trash</source>
        <translation>nenhum nome livre na lixeira</translation>
    </message>
    <message>
        <source>no trash on its file system (%1)</source>
        <translation>não há lixeira no seu sistema de arquivos (%1)</translation>
    </message>
    <message>
        <source>not an absolute path of an item</source>
        <translation>não é um caminho absoluto de um item</translation>
    </message>
</context>
<context>
    <name>TrashRestore</name>
    <message>
        <source>its record in the Trash is missing</source>
        <translation>seu registro na Lixeira está faltando</translation>
    </message>
    <message>
        <source>not an item of a Trash</source>
        <translation>não é um item de uma Lixeira</translation>
    </message>
    <message>
        <source>it is no longer in the Trash</source>
        <translation>não está mais na Lixeira</translation>
    </message>
    <message>
        <source>its folder %1 is no longer there</source>
        <translation>sua pasta %1 não existe mais</translation>
    </message>
    <message>
        <source>the Trash&apos;s record names another place: %1</source>
        <translation>o registro da Lixeira indica outro lugar: %1</translation>
    </message>
    <message>
        <source>something of that name is there now</source>
        <translation>agora há algo com esse nome lá</translation>
    </message>
</context>
<context>
    <name>UserSystemctl</name>
    <message>
        <source>systemctl did not answer in time</source>
        <translation>o systemctl não respondeu a tempo</translation>
    </message>
    <message>
        <source>systemd is not installed here (no systemctl).</source>
        <translation>O systemd não está instalado aqui (não há systemctl).</translation>
    </message>
    <message>
        <source>No systemd user session is running (systemctl --user says: %1).</source>
        <translation>Nenhuma sessão de usuário do systemd está em execução (systemctl --user diz: %1).</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>systemctl could not be started</source>
        <translation>não foi possível iniciar o systemctl</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 falhou</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falhou: %2</translation>
    </message>
</context>
<context>
    <name>XADSimpleUnarchiver</name>
    <message>
        <source>Password required</source>
        <translation>Senha necessária</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Senha incorreta</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Não há espaço livre suficiente</translation>
    </message>
    <message>
        <source>This archive format is not supported</source>
        <translation>Este formato de arquivo compactado não é suportado</translation>
    </message>
    <message>
        <source>the entry was cut short</source>
        <translation>a entrada está truncada</translation>
    </message>
    <message>
        <source>%1 came out with %2 of its %3 bytes</source>
        <translation>%1 foi extraído com %2 de seus %3 bytes</translation>
    </message>
    <message>
        <source>The extracted items could not be checked</source>
        <translation>Não foi possível verificar os itens extraídos</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>the name leads outside the destination</source>
        <translation>o nome aponta para fora do destino</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>o nome está vazio</translation>
    </message>
    <message>
        <source>special files (devices, FIFOs, sockets) are not extracted</source>
        <translation>arquivos especiais (dispositivos, FIFOs, sockets) não são extraídos</translation>
    </message>
</context>
<context>
    <name>centered_textfield</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>clirun</name>
    <message>
        <source>Would remove: %1</source>
        <translation>Seria removido: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Removido: %1</translation>
    </message>
    <message>
        <source>Removed %1 in total.</source>
        <translation>Removido: %1 no total.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Removido: %1 no total; não foi possível remover %n item (%2).</numerusform>
            <numerusform>Removido: %1 no total; não foi possível remover %n itens (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would move to the Trash: %1</source>
        <translation>Seria movido para a lixeira: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash: %1</source>
        <translation>Movido para a lixeira: %1</translation>
    </message>
    <message>
        <source>Moved to the Trash %1 in total.</source>
        <translation>Movido para a lixeira: %1 no total.</translation>
    </message>
    <message numerus="yes">
        <source>Moved to the Trash %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Movido para a lixeira: %1 no total; não foi possível mover %n item (%2).</numerusform>
            <numerusform>Movido para a lixeira: %1 no total; não foi possível mover %n itens (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Would shred: %1</source>
        <translation>Seria triturado: %1</translation>
    </message>
    <message>
        <source>Shredded: %1</source>
        <translation>Triturado: %1</translation>
    </message>
    <message>
        <source>Shredded %1 in total.</source>
        <translation>Triturado: %1 no total.</translation>
    </message>
    <message numerus="yes">
        <source>Shredded %1 in total; %n item(s) could not be removed (%2).</source>
        <translation>
            <numerusform>Triturado: %1 no total; não foi possível triturar %n item (%2).</numerusform>
            <numerusform>Triturado: %1 no total; não foi possível triturar %n itens (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes to a [y/N] question</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the answer to a [y/N] question</comment>
        <translation>sim</translation>
    </message>
    <message>
        <source>%1?</source>
        <comment>a removal asked for: &quot;Delete 12 items (3.40 MB)&quot;</comment>
        <translation>%1?</translation>
    </message>
    <message>
        <source>nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what would go</source>
        <translation>nada foi removido: confirme com --yes (ou responda em um terminal); --dry-run mostra o que seria removido</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Não foi possível remover %1: %2</translation>
    </message>
    <message>
        <source>Nothing was removed (--dry-run).</source>
        <translation>Nada foi removido (--dry-run).</translation>
    </message>
    <message>
        <source>Would replace with a link: %1</source>
        <translation>Seria substituído por um link: %1</translation>
    </message>
    <message>
        <source>Replaced with a link: %1</source>
        <translation>Substituído por um link: %1</translation>
    </message>
    <message>
        <source>Freed %1 in total.</source>
        <translation>%1 liberados no total.</translation>
    </message>
    <message numerus="yes">
        <source>Freed %1 in total; %n copy(s) could not be replaced (%2).</source>
        <translation>
            <numerusform>%1 liberados no total; %n cópia não pôde ser substituída (%2).</numerusform>
            <numerusform>%1 liberados no total; %n cópias não puderam ser substituídas (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Não foi possível substituir %1: %2</translation>
    </message>
</context>
<context>
    <name>sw::AboutDialog</name>
    <message>
        <source>About Sweepwright</source>
        <translation>Sobre o Sweepwright</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Licença: GNU General Public License, versão 3 ou posterior (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Libraries in use</source>
        <translation>Bibliotecas em uso</translation>
    </message>
    <message>
        <source>Read the README</source>
        <translation>Ler o README</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Finds what takes room on a Linux desktop and removes what you choose.</source>
        <translation>Encontra o que ocupa espaço em um computador com Linux e remove o que você escolher.</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>consultando…</translation>
    </message>
    <message>
        <source>%1 version</source>
        <translation>Versão de %1</translation>
    </message>
</context>
<context>
    <name>sw::AccessibleControls</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>sw::AgeLimitControl</name>
    <message>
        <source>%1: days</source>
        <translation>%1: dias</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <extracomment>After the number of an age limit: &quot;Only files older than [30] days&quot;</extracomment>
        <translation>
            <numerusform>dia</numerusform>
            <numerusform>dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::ArchiveReader</name>
    <message numerus="yes">
        <source>Damaged archive: no progress for %n seconds</source>
        <translation>
            <numerusform>Arquivo compactado danificado: nenhum progresso em %n segundo</numerusform>
            <numerusform>Arquivo compactado danificado: nenhum progresso em %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged archive: the reader ended on it</source>
        <translation>Arquivo compactado danificado: o leitor foi encerrado durante a leitura</translation>
    </message>
    <message>
        <source>Damaged archive: the same entry header came twice</source>
        <translation>Arquivo compactado danificado: o mesmo cabeçalho de entrada apareceu duas vezes</translation>
    </message>
</context>
<context>
    <name>sw::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>sw::DupItemModel</name>
    <message>
        <source>%1
One copy of every file is always kept.</source>
        <translation>%1
Uma cópia de cada arquivo é sempre mantida.</translation>
    </message>
    <message>
        <source>%1
In a reference folder: this copy is an original and is never selected.</source>
        <translation>%1
Em uma pasta de referência: esta cópia é um original e nunca é selecionada.</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>Beside a copy in a folder of originals; short</extracomment>
        <translation>Referência</translation>
    </message>
    <message>
        <source>%1
Modified more recently than the scan&apos;s age limit: this copy stays and is never selected.</source>
        <translation>%1
Modificada depois do limite de idade da verificação: esta cópia fica e nunca é selecionada.</translation>
    </message>
</context>
<context>
    <name>sw::DupKeepRule</name>
    <message>
        <source>Best original</source>
        <translation>Melhor original</translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation>Mais antiga</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Mais recente</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Caminho mais curto</translation>
    </message>
    <message>
        <source>First found</source>
        <translation>Primeira encontrada</translation>
    </message>
</context>
<context>
    <name>sw::DupLinkButton</name>
    <message>
        <source>Replace with Links</source>
        <translation>Substituir por links</translation>
    </message>
    <message>
        <source>Each selected copy becomes a link to the copy its group keeps</source>
        <translation>Cada cópia selecionada passa a ser um link para a cópia que seu grupo mantém</translation>
    </message>
    <message>
        <source>Replace with Links: each selected copy becomes a link to the copy its group keeps</source>
        <translation>Substituir por links: cada cópia selecionada passa a ser um link para a cópia que seu grupo mantém</translation>
    </message>
    <message>
        <source>Kind of link</source>
        <translation>Tipo de link</translation>
    </message>
    <message>
        <source>Hard Links</source>
        <translation>Links físicos</translation>
    </message>
    <message>
        <source>Reflinks</source>
        <translation>Reflinks</translation>
    </message>
    <message>
        <source>Symbolic Links</source>
        <translation>Links simbólicos</translation>
    </message>
    <message>
        <source>Hard links: each copy&apos;s name leads to the kept file; copies on another file system stay.</source>
        <translation>Links físicos: o nome de cada cópia leva ao arquivo mantido; cópias em outro sistema de arquivos ficam.</translation>
    </message>
    <message>
        <source>Reflinks: each copy stays a file of its own that shares the kept file&apos;s data, where the file system can.</source>
        <translation>Reflinks: cada cópia continua um arquivo próprio que compartilha os dados do arquivo mantido, onde o sistema de arquivos permite.</translation>
    </message>
    <message>
        <source>Symbolic links: each copy becomes a link to the kept file&apos;s path.</source>
        <translation>Links simbólicos: cada cópia passa a ser um link para o caminho do arquivo mantido.</translation>
    </message>
</context>
<context>
    <name>sw::EntryWriter</name>
    <message>
        <source>a folder of its path is a link or a file</source>
        <translation>uma pasta do seu caminho é um link ou um arquivo</translation>
    </message>
    <message>
        <source>an item of that name exists</source>
        <translation>já existe um item com esse nome</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Não há espaço livre suficiente</translation>
    </message>
    <message>
        <source>hard link to an item that was not extracted</source>
        <translation>link físico para um item que não foi extraído</translation>
    </message>
    <message>
        <source>link leads outside the destination</source>
        <translation>o link aponta para fora do destino</translation>
    </message>
</context>
<context>
    <name>sw::FileLink</name>
    <message>
        <source>it changed since the scan</source>
        <translation>ele mudou desde a análise</translation>
    </message>
    <message>
        <source>it is not below the folder it was found in</source>
        <translation>ele não está dentro da pasta em que foi encontrado</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>ele pertence a outro usuário</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a hard link cannot reach it</source>
        <translation>a cópia mantida está em outro sistema de arquivos: um link físico não pode alcançá-la</translation>
    </message>
    <message>
        <source>the file system cannot share data between files (reflink)</source>
        <translation>o sistema de arquivos não pode compartilhar dados entre arquivos (reflink)</translation>
    </message>
    <message>
        <source>the link is in place, but the old copy stays as %1: %2</source>
        <translation>o link está no lugar, mas a cópia antiga fica como %1: %2</translation>
    </message>
    <message>
        <source>it is the kept copy itself</source>
        <translation>é a própria cópia mantida</translation>
    </message>
    <message>
        <source>the kept copy is on another file system: a reflink cannot reach it</source>
        <translation>a cópia mantida está em outro sistema de arquivos: um reflink não pode alcançá-la</translation>
    </message>
</context>
<context>
    <name>sw::FolderListModel</name>
    <message>
        <source>%1
Reference folder: its copies are the originals and are never selected.</source>
        <translation>%1
Pasta de referência: suas cópias são os originais e nunca são selecionadas.</translation>
    </message>
    <message>
        <source>Reference folder</source>
        <translation>Pasta de referência</translation>
    </message>
</context>
<context>
    <name>sw::FolderListPanel</name>
    <message>
        <source>Folders to scan</source>
        <translation>Pastas a analisar</translation>
    </message>
    <message>
        <source>Drop folders here</source>
        <translation>Solte pastas aqui</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Adicionar arquivos…</translation>
    </message>
    <message>
        <source>Add Folders…</source>
        <translation>Adicionar pastas…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Adicionar pasta…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Choose Folders</source>
        <translation>Escolher pastas</translation>
    </message>
    <message>
        <source>Choose Files</source>
        <translation>Escolher arquivos</translation>
    </message>
</context>
<context>
    <name>sw::FolderScanPage</name>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Analisar</translation>
    </message>
    <message>
        <source>Only files older than</source>
        <translation>Só arquivos com mais de</translation>
    </message>
    <message>
        <source>Only files older than a number of days</source>
        <translation>Apenas arquivos com mais de um número de dias</translation>
    </message>
    <message>
        <source>Leave out files modified more recently; among duplicates, newer copies stay.</source>
        <translation>Deixar de fora os arquivos modificados mais recentemente; entre duplicados, as cópias mais novas ficam.</translation>
    </message>
</context>
<context>
    <name>sw::GhostscriptVersion</name>
    <message>
        <source>did not answer</source>
        <translation>não respondeu</translation>
    </message>
    <message>
        <source>could not be run</source>
        <translation>não pôde ser executado</translation>
    </message>
    <message>
        <source>could not tell its version</source>
        <translation>não informou a versão</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
</context>
<context>
    <name>sw::GroupItemModel</name>
    <message>
        <source>Needs administrator rights</source>
        <translation>Requer privilégios de administrador</translation>
    </message>
</context>
<context>
    <name>sw::HistoryPage</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>What each tool removed, newest first. What went to the Trash can be put back where it was.</source>
        <translation>O que cada ferramenta removeu, do mais recente ao mais antigo. O que foi para a Lixeira pode voltar ao seu lugar.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Ferramenta</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>O que aconteceu</translation>
    </message>
    <message>
        <source>Removals</source>
        <translation>Remoções</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Items of the chosen removal</source>
        <translation>Itens da remoção escolhida</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Nada foi removido ainda.</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Devolver</translation>
    </message>
    <message>
        <source>Returns what this removal moved to the Trash to where it was</source>
        <translation>Devolve ao lugar o que esta remoção moveu para a Lixeira</translation>
    </message>
    <message>
        <source>Nothing of this removal is in the Trash: it cannot be put back.</source>
        <translation>Nada desta remoção está na Lixeira: ela não pode ser devolvida.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) put back.</source>
        <translation>
            <numerusform>%n item devolvido.</numerusform>
            <numerusform>%n itens devolvidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be put back; the list says why.</source>
        <translation>
            <numerusform>%n item não pôde ser devolvido; a lista diz por quê.</numerusform>
            <numerusform>%n itens não puderam ser devolvidos; a lista diz por quê.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>Não foi possível gravar o histórico: %1</translation>
    </message>
</context>
<context>
    <name>sw::ImagePreview</name>
    <message>
        <source>This image cannot be shown.</source>
        <translation>Não é possível exibir esta imagem.</translation>
    </message>
</context>
<context>
    <name>sw::LibraryVersions</name>
    <message>
        <source>%1 (built with)</source>
        <translation>%1 (da compilação)</translation>
    </message>
</context>
<context>
    <name>sw::MediaPreview</name>
    <message>
        <source>This file cannot be played.</source>
        <translation>Não é possível reproduzir este arquivo.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
</context>
<context>
    <name>sw::NothingFoundPage</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>sw::PackageKitTransaction</name>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>PackageKit ended the transaction with exit code %1</source>
        <translation>o PackageKit encerrou a transação com o código de saída %1</translation>
    </message>
    <message>
        <source>PackageKit gave no transaction</source>
        <translation>o PackageKit não forneceu nenhuma transação</translation>
    </message>
    <message>
        <source>PackageKit left the bus</source>
        <translation>o PackageKit saiu do barramento</translation>
    </message>
    <message>
        <source>PackageKit did not take the request</source>
        <translation>o PackageKit não aceitou a solicitação</translation>
    </message>
    <message>
        <source>PackageKit stopped answering</source>
        <translation>o PackageKit parou de responder</translation>
    </message>
    <message>
        <source>PackageKit dropped the transaction before it finished</source>
        <translation>o PackageKit abandonou a transação antes do fim</translation>
    </message>
</context>
<context>
    <name>sw::PdfPreview</name>
    <message>
        <source>This PDF document cannot be opened.</source>
        <translation>Não é possível abrir este documento PDF.</translation>
    </message>
    <message>
        <source>This PDF document is locked.</source>
        <translation>Este documento PDF está bloqueado.</translation>
    </message>
    <message>
        <source>This PDF document has no pages.</source>
        <translation>Este documento PDF não tem páginas.</translation>
    </message>
    <message>
        <source>This PDF document cannot be shown.</source>
        <translation>Não é possível exibir este documento PDF.</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %1 of %n pages.</source>
        <translation>
            <numerusform>Exibindo as primeiras %1 de %n página.</numerusform>
            <numerusform>Exibindo as primeiras %1 de %n páginas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sw::PreviewDialog</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>sw::PreviewPane</name>
    <message>
        <source>This file cannot be shown: the viewers plugin is missing or broken.</source>
        <translation>Não é possível exibir este arquivo: o plug-in de visualizadores está ausente ou danificado.</translation>
    </message>
</context>
<context>
    <name>sw::RemovalDetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>sw::RemovalPage</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>items done, their size</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Stopped: the rest was left as it was</source>
        <translation>Interrompido: o restante ficou como estava</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Recusado: %1</translation>
    </message>
    <message>
        <source>Went with its folder, counted there</source>
        <translation>Foi junto com a pasta e contabilizado nela</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluído</translation>
    </message>
</context>
<context>
    <name>sw::RemovalWording</name>
    <message numerus="yes">
        <source>Delete %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Excluir %Ln item (%1)</numerusform>
            <numerusform>Excluir %Ln itens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted items do not go to the Trash.</source>
        <translation>Itens excluídos não vão para a lixeira.</translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln item(s) to the Trash (%1)</source>
        <translation>
            <numerusform>Mover %Ln item para a lixeira (%1)</numerusform>
            <numerusform>Mover %Ln itens para a lixeira (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Items moved to the Trash can be restored from there.</source>
        <translation>Itens movidos para a lixeira podem ser restaurados de lá.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Remover %Ln item (%1)</numerusform>
            <numerusform>Remover %Ln itens (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s) (%1)</source>
        <translation>
            <numerusform>Desinstalar %Ln aplicativo (%1)</numerusform>
            <numerusform>Desinstalar %Ln aplicativos (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Their files are deleted, not moved to the Trash.</source>
        <translation>Os arquivos deles são excluídos, não movidos para a lixeira.</translation>
    </message>
    <message>
        <source>Packages are removed by the package manager; files of yours go to the Trash, where you can restore them.</source>
        <translation>Os pacotes são removidos pelo gerenciador de pacotes; os arquivos que são seus vão para a lixeira, de onde você pode restaurá-los.</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s) (%1)</source>
        <translation>
            <numerusform>Triturar %Ln item (%1)</numerusform>
            <numerusform>Triturar %Ln itens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded items are removed at once and cannot be restored.</source>
        <translation>Itens triturados são removidos imediatamente e não podem ser restaurados.</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Excluindo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) deleted</source>
        <translation>
            <numerusform>%Ln item excluído</numerusform>
            <numerusform>%Ln itens excluídos</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be deleted</source>
        <translation>Não foi possível excluir alguns itens</translation>
    </message>
    <message>
        <source>Nothing was deleted</source>
        <translation>Nada foi excluído</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be deleted (%1)</source>
        <translation>
            <numerusform>Não foi possível excluir %Ln item (%1)</numerusform>
            <numerusform>Não foi possível excluir %Ln itens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted (%1)</source>
        <translation>Excluído (%1)</translation>
    </message>
    <message>
        <source>Moving to the Trash</source>
        <translation>Movendo para a lixeira</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) moved to the Trash</source>
        <translation>
            <numerusform>%Ln item movido para a lixeira</numerusform>
            <numerusform>%Ln itens movidos para a lixeira</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be moved to the Trash</source>
        <translation>Não foi possível mover alguns itens para a lixeira</translation>
    </message>
    <message>
        <source>Nothing was moved to the Trash</source>
        <translation>Nada foi movido para a lixeira</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be moved to the Trash (%1)</source>
        <translation>
            <numerusform>Não foi possível mover %Ln item para a lixeira (%1)</numerusform>
            <numerusform>Não foi possível mover %Ln itens para a lixeira (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved to the Trash (%1)</source>
        <translation>Movido para a lixeira (%1)</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Removendo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) removed</source>
        <translation>
            <numerusform>%Ln item removido</numerusform>
            <numerusform>%Ln itens removidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be removed</source>
        <translation>Não foi possível remover alguns itens</translation>
    </message>
    <message>
        <source>Nothing was removed</source>
        <translation>Nada foi removido</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be removed (%1)</source>
        <translation>
            <numerusform>Não foi possível remover %Ln item (%1)</numerusform>
            <numerusform>Não foi possível remover %Ln itens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed (%1)</source>
        <translation>Removido (%1)</translation>
    </message>
    <message>
        <source>Shredding</source>
        <translation>Triturando</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) shredded</source>
        <translation>
            <numerusform>%Ln item triturado</numerusform>
            <numerusform>%Ln itens triturados</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items could not be shredded</source>
        <translation>Não foi possível triturar alguns itens</translation>
    </message>
    <message>
        <source>Nothing was shredded</source>
        <translation>Nada foi triturado</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) could not be shredded (%1)</source>
        <translation>
            <numerusform>Não foi possível triturar %Ln item (%1)</numerusform>
            <numerusform>Não foi possível triturar %Ln itens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Shredded (%1)</source>
        <translation>Triturado (%1)</translation>
    </message>
    <message>
        <source>Delete junk files?</source>
        <translation>Excluir os arquivos desnecessários?</translation>
    </message>
    <message>
        <source>Move junk files to the Trash?</source>
        <translation>Mover os arquivos desnecessários para a lixeira?</translation>
    </message>
    <message>
        <source>Junk files deleted</source>
        <translation>Arquivos desnecessários excluídos</translation>
    </message>
    <message>
        <source>Junk files moved to the Trash</source>
        <translation>Arquivos desnecessários movidos para a lixeira</translation>
    </message>
    <message>
        <source>Delete large files?</source>
        <translation>Excluir os arquivos grandes?</translation>
    </message>
    <message>
        <source>Move large files to the Trash?</source>
        <translation>Mover os arquivos grandes para a lixeira?</translation>
    </message>
    <message>
        <source>Large files deleted</source>
        <translation>Arquivos grandes excluídos</translation>
    </message>
    <message>
        <source>Large files moved to the Trash</source>
        <translation>Arquivos grandes movidos para a lixeira</translation>
    </message>
    <message>
        <source>Delete duplicates?</source>
        <translation>Excluir os duplicados?</translation>
    </message>
    <message>
        <source>Move duplicates to the Trash?</source>
        <translation>Mover os duplicados para a lixeira?</translation>
    </message>
    <message>
        <source>Duplicates deleted</source>
        <translation>Duplicados excluídos</translation>
    </message>
    <message>
        <source>Duplicates moved to the Trash</source>
        <translation>Duplicados movidos para a lixeira</translation>
    </message>
    <message numerus="yes">
        <source>Uninstall %Ln application(s)?</source>
        <translation>
            <numerusform>Desinstalar %Ln aplicativo?</numerusform>
            <numerusform>Desinstalar %Ln aplicativos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Applications uninstalled</source>
        <translation>Aplicativos desinstalados</translation>
    </message>
    <message numerus="yes">
        <source>Remove %Ln extension(s)?</source>
        <translation>
            <numerusform>Remover %Ln extensão?</numerusform>
            <numerusform>Remover %Ln extensões?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %Ln extension(s) to the Trash?</source>
        <translation>
            <numerusform>Mover %Ln extensão para a lixeira?</numerusform>
            <numerusform>Mover %Ln extensões para a lixeira?</numerusform>
        </translation>
    </message>
    <message>
        <source>Extensions removed</source>
        <translation>Extensões removidas</translation>
    </message>
    <message>
        <source>Extensions moved to the Trash</source>
        <translation>Extensões movidas para a lixeira</translation>
    </message>
    <message numerus="yes">
        <source>Shred %Ln item(s)?</source>
        <translation>
            <numerusform>Triturar %Ln item?</numerusform>
            <numerusform>Triturar %Ln itens?</numerusform>
        </translation>
    </message>
    <message>
        <source>Items shredded</source>
        <translation>Itens triturados</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) were refused</source>
        <translation>
            <numerusform>%Ln item foi recusado</numerusform>
            <numerusform>%Ln itens foram recusados</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Move to the Trash</source>
        <translation>&amp;Mover para a lixeira</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Desinstalar</translation>
    </message>
    <message>
        <source>&amp;Shred</source>
        <translation>&amp;Triturar</translation>
    </message>
    <message>
        <source>Replace with &amp;Links</source>
        <translation>Substituir por &amp;links</translation>
    </message>
    <message numerus="yes">
        <source>Replace %Ln copy(s) with links (%1)</source>
        <translation>
            <numerusform>Substituir %Ln cópia por um link (%1)</numerusform>
            <numerusform>Substituir %Ln cópias por links (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Each copy is compared again and becomes a link to the copy kept, which stays as it is.</source>
        <translation>Cada cópia é comparada de novo e passa a ser um link para a cópia mantida, que fica como está.</translation>
    </message>
    <message>
        <source>Replacing with links</source>
        <translation>Substituindo por links</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) replaced with links</source>
        <translation>
            <numerusform>%Ln cópia substituída por um link</numerusform>
            <numerusform>%Ln cópias substituídas por links</numerusform>
        </translation>
    </message>
    <message>
        <source>Some copies could not be replaced</source>
        <translation>Algumas cópias não puderam ser substituídas</translation>
    </message>
    <message>
        <source>No copy was replaced</source>
        <translation>Nenhuma cópia foi substituída</translation>
    </message>
    <message numerus="yes">
        <source>%Ln copy(s) could not be replaced (%1)</source>
        <translation>
            <numerusform>%Ln cópia não pôde ser substituída (%1)</numerusform>
            <numerusform>%Ln cópias não puderam ser substituídas (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replaced with a link (%1 freed)</source>
        <translation>Substituída por um link (%1 liberados)</translation>
    </message>
    <message>
        <source>Replace duplicates with links?</source>
        <translation>Substituir os duplicados por links?</translation>
    </message>
    <message>
        <source>Duplicates replaced with links</source>
        <translation>Duplicados substituídos por links</translation>
    </message>
    <message>
        <source>Delete empty and broken items?</source>
        <translation>Excluir os itens vazios e quebrados?</translation>
    </message>
    <message>
        <source>Move empty and broken items to the Trash?</source>
        <translation>Mover os itens vazios e quebrados para a lixeira?</translation>
    </message>
    <message>
        <source>Empty and broken items deleted</source>
        <translation>Itens vazios e quebrados excluídos</translation>
    </message>
    <message>
        <source>Empty and broken items moved to the Trash</source>
        <translation>Itens vazios e quebrados movidos para a lixeira</translation>
    </message>
</context>
<context>
    <name>sw::ResultBottomBar</name>
    <message>
        <source>Deselect</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Selecionados:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Start &amp;Over</source>
        <translation>Re&amp;começar</translation>
    </message>
</context>
<context>
    <name>sw::ResultItemList</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Ordenar por tamanho</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nome</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>Pesquisar itens</translation>
    </message>
    <message>
        <source>Sort the items</source>
        <translation>Ordenar os itens</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Item menu</source>
        <translation>Menu do item</translation>
    </message>
    <message>
        <source>Never Touch This</source>
        <translation>Nunca mexer</translation>
    </message>
</context>
<context>
    <name>sw::ScanPage</name>
    <message>
        <source>%1 found %2</source>
        <comment>tool, size found</comment>
        <translation>%1: %2 encontrados</translation>
    </message>
    <message>
        <source>Review the result and choose what to remove.</source>
        <translation>Revise o resultado e escolha o que remover.</translation>
    </message>
    <message>
        <source>%1 found nothing</source>
        <comment>tool</comment>
        <translation>%1: nada encontrado</translation>
    </message>
</context>
<context>
    <name>sw::ScanProgressPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Analisando…</translation>
    </message>
    <message>
        <source>Nothing is removed until you confirm.</source>
        <translation>Nada é removido até que você confirme.</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analisando</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s) looked at</source>
        <translation>
            <numerusform>%Ln item examinado</numerusform>
            <numerusform>%Ln itens examinados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>Encontrado: %1</translation>
    </message>
</context>
<context>
    <name>sw::TextPreview</name>
    <message>
        <source>Only the beginning of this file is shown.</source>
        <translation>Apenas o início deste arquivo é exibido.</translation>
    </message>
</context>
<context>
    <name>sw::ViewerFactory</name>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%1 não foi encontrado em %2.</translation>
    </message>
</context>
</TS>
