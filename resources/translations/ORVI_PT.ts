<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Insira o número de fax a ser discado para esta entrada.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Insira o nome desta entrada.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Insira o nome do grupo.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Entradas que podem ser adicionadas ao grupo.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Adicionar as entradas selecionadas ao grupo.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Remover do grupo os membros selecionados.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Entradas que pertencem ao grupo.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Ler</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Agenda de fax</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Carregar...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Impressora:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Mensagens</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Escolha uma impressora e clique em Ler para ver a agenda de fax dela.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Falha na comunicação com a impressora. Verifique se a impressora está ligada e conectada e tente novamente.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>A impressora está ocupada com outro trabalho. Aguarde até que ela termine e tente novamente.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>A porta da impressora está em uso por outro usuário. Tente novamente quando esse usuário terminar.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Não há memória suficiente para concluir esta operação. Feche outros programas e tente novamente.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Não foi possível salvar o arquivo da agenda. Verifique se é possível escrever na pasta e se o disco não está cheio.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Não foi possível ler a lista de modelos de impressora compatíveis (orvkit.dat). Instale o programa novamente.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Não foi possível ler o arquivo, ou ele não é um arquivo de agenda de fax.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Insira um número de fax. Uma entrada com nome precisa de um número de fax.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Adicione pelo menos um membro. Um grupo com nome precisa de membros.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Este arquivo de agenda foi salvo para outro modelo de impressora. Deseja carregá-lo mesmo assim?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Foi escolhida outra impressora, mas a agenda mostrada tem alterações que não foram gravadas na impressora. Deseja descartá-las?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>A agenda de fax da impressora foi alterada depois de ter sido lida. Deseja substituí-la pela agenda mostrada aqui?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Este é um exemplo de mensagem de erro.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Foi escolhida outra impressora. Deseja fechar a agenda mostrada?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>A agenda tem alterações que não foram gravadas na impressora. Deseja descartá-las?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>O programa já está em execução na sessão de outro usuário. Apenas um usuário por vez pode usá-lo.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Este é um exemplo de mensagem informativa.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Não foi possível concluir a operação. Verifique se a impressora é um modelo compatível, se está ligada e conectada, e tente novamente.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Não é possível encerrar a sessão enquanto o programa está ocupado. Aguarde até que ele termine e tente novamente.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>O computador não pode entrar em modo de espera enquanto o programa se comunica com a impressora. Tente novamente quando a comunicação terminar.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>A agenda de fax foi gravada na impressora.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>pt</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Ler a agenda de fax da impressora selecionada.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Escolha qual parte da agenda será mostrada.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Salvar a agenda em um arquivo neste computador.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Carregar uma agenda de um arquivo neste computador.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Gravar na impressora a agenda mostrada.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>As entradas de discagem rápida da impressora.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>As informações do remetente impressas nos faxes enviados.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Números de fax cujos faxes a impressora rejeita.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Insira seu nome como ele deve aparecer nos faxes enviados.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Insira seu número de fax como ele deve aparecer nos faxes enviados.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Confirmar as informações do remetente.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Editar a entrada selecionada.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Selecionar todas as entradas.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Apagar as entradas selecionadas.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Criar uma entrada com um único número de fax.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Criar um grupo de várias entradas.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Escolha a impressora com a qual deseja trabalhar.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Insira o número de fax a ser rejeitado.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Confirmar este grupo.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Continuar com o tipo escolhido.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Confirmar esta entrada.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Confirmar este número.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grupo]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Discagem rápida</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Informações do remetente</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Números rejeitados</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Agenda de fax Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Número de fax</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Discagem rápida: entradas de discagem de um toque e de discagem codificada</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Discagem rápida: entradas de discagem codificada</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>As entradas de discagem de um toque são numeradas 01, 02 e assim por diante.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>As entradas de discagem codificada são numeradas *00, *01 e assim por diante.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Informações do remetente: nome e número de fax impressos nos faxes enviados</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Números rejeitados: os faxes destes números não são recebidos</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
</context>
</TS>
