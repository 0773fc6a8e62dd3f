<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datas</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Programa por data</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Programa semanal</translation>
    </message>
</context>
<context>
    <name>DurationStepper</name>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>FavoriteEditPage</name>
    <message>
        <source>Favorite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidade</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Editar tempo de banho</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Tempo de banho</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Definir tempo de banho</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Luzes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Guardar as definições atuais como favorito</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Nada para mostrar</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Definições do aquecedor</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Tempo de banho</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Guardar tempo de banho</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Ventilador ligado</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Ventilador automático</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Funciona com o aquecedor</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Relés auxiliares</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>nível</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Luzes</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Lig.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desl.</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Temperatura alvo</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Humidade alvo</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Humidade %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Humidade --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Temperatura alvo</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Humidade alvo</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Lig.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desl.</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Não há nenhuma sauna ligada. Ligue uma em Definições → Rede.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>No máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>PIN errado</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>PIN inválido</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>Os PIN não coincidem</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Alterar PIN</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Introduza o PIN atual</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Introduza o novo PIN</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Confirme o novo PIN</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Introduza o PIN</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>PIN errado</translation>
    </message>
</context>
<context>
    <name>PinSettingsPage</name>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsPage</name>
    <message>
        <source>Ready at</source>
        <translation>Pronta</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Definir hora de disponibilidade</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Definições personalizadas</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidade</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Parar após</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Definir duração</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Usar definições personalizadas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Definir hora de início</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Definir temperatura</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Definir humidade</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>Painel PC</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Domótica</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>X3-X4</source>
        <translation>X3-X4</translation>
    </message>
    <message>
        <source>X5-X6</source>
        <translation>X5-X6</translation>
    </message>
    <message>
        <source>X7-X8</source>
        <translation>X7-X8</translation>
    </message>
    <message>
        <source>X9-X10</source>
        <translation>X9-X10</translation>
    </message>
    <message>
        <source>X11-X12</source>
        <translation>X11-X12</translation>
    </message>
    <message>
        <source>X13-X14</source>
        <translation>X13-X14</translation>
    </message>
    <message>
        <source>X15-X16</source>
        <translation>X15-X16</translation>
    </message>
    <message>
        <source>X17-X18</source>
        <translation>X17-X18</translation>
    </message>
    <message>
        <source>X19-X20</source>
        <translation>X19-X20</translation>
    </message>
    <message>
        <source>X21-X22</source>
        <translation>X21-X22</translation>
    </message>
    <message>
        <source>X23-X24</source>
        <translation>X23-X24</translation>
    </message>
    <message>
        <source>X25-X26</source>
        <translation>X25-X26</translation>
    </message>
    <message>
        <source>X27-X28</source>
        <translation>X27-X28</translation>
    </message>
    <message>
        <source>X29-X30</source>
        <translation>X29-X30</translation>
    </message>
    <message>
        <source>Combi manual</source>
        <translation>Combi manual</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Combi automático</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Vapor privado</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Vapor privado auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Vapor público</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Vapor público/privado, esvaziamento manual</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Módulo adicional de sauna</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna baixa</translation>
    </message>
    <message>
        <source>Sauna IR</source>
        <translation>Sauna IR</translation>
    </message>
    <message>
        <source>Vaho</source>
        <translation>Vaho</translation>
    </message>
    <message>
        <source>Lumo</source>
        <translation>Lumo</translation>
    </message>
    <message>
        <source>Orvela</source>
        <translation>Orvela</translation>
    </message>
    <message>
        <source>Kastela</source>
        <translation>Kastela</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Crest Wifi</source>
        <translation>Crest Wifi</translation>
    </message>
    <message>
        <source>Zenith Wifi</source>
        <translation>Zenith Wifi</translation>
    </message>
    <message>
        <source>K9</source>
        <translation>K9</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Vertex</translation>
    </message>
    <message>
        <source>Fell Wifi</source>
        <translation>Fell Wifi</translation>
    </message>
    <message>
        <source>Crest</source>
        <translation>Crest</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenith</translation>
    </message>
    <message>
        <source>K9 (no Wifi)</source>
        <translation>K9 (sem Wi-Fi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (sem Wi-Fi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Segundas-feiras</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Terças-feiras</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Quartas-feiras</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Quintas-feiras</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Sextas-feiras</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Sábados</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Domingos</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>jan</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>fev</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>set</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>out</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>degrees_C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>degrees_F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>Undefined Relay</source>
        <translation>Relé indefinido</translation>
    </message>
    <message>
        <source>Aux %1</source>
        <translation>Aux. %1</translation>
    </message>
    <message>
        <source>Multisteam</source>
        <translation>Multisteam</translation>
    </message>
    <message>
        <source>Solvenno</source>
        <translation>Solvenno</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ligar/desligar</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidade</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Pronta</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Parar após</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Banho</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Arranque a quente</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Definições atuais</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Início diferido</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>início diferido</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>programa por data</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>programa semanal</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Rede padrão</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Unknown user message id %1 (0x%2)</source>
        <translation>ID de mensagem de utilizador desconhecido %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundário</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificação</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Ligação automática</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>nível</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>A aquecer</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>A secar</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>A limpar</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificação</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Definições avançadas</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
</context>
<context>
    <name>TemperatureDial</name>
    <message>
        <source>Room</source>
        <translation>Cabine</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Alvo %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Programas semanais ativos</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Nome do favorito</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Nome do relé</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>Painel de controlo PC</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>A iniciar…</translation>
    </message>
</context>
<context>
    <name>pcPanel::ConnectionInformer</name>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 - %2 (connection lost)</source>
        <translation>%1 - %2 (ligação perdida)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Ativar PIN</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Alterar PIN</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Controlos no ecrã de bloqueio</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
</context>
<context>
    <name>view::LanguageSupport</name>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenčina</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dansk</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norsk</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
</context>
<context>
    <name>view::details::ErrorMessageFunctions</name>
    <message>
        <source>No error</source>
        <translation>Sem erros</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>O sensor de temperatura da cabine não está ligado ou está avariado</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>O sensor de temperatura do depósito de vapor não está ligado ou está avariado</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>A placa de relés sobreaqueceu</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Curto-circuito nos elétrodos</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Depósito de vapor demasiado cheio. Avaria nos elétrodos de nível.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Perdeu-se o contacto com o nó Zerededid de perfil Painel de controlo Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Perdeu-se o contacto com o nó Zerededid de perfil Sensor de temperatura/humidade</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>O depósito de vapor sobreaqueceu</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Falha de comunicação com o relógio de tempo real (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Perdeu-se a comunicação com a placa adicional.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Falha no esvaziamento da água do depósito de vapor. Desligue a alimentação e efetue a manutenção.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Elétrodos de nível do depósito de vapor fora de serviço, interrupção no nível médio</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Avaria no sensor de humidade ligado por Zerededid</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Avaria no sensor de temperatura ligado por Zerededid</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Perdeu-se o contacto com o nó Zerededid de perfil Placa de relés</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>O limitador de temperatura máxima disparou e tem de ser rearmado</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>O sensor de temperatura da cabine sobreaqueceu</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Demasiados dispositivos ligados</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>A porta esteve aberta mais tempo do que o permitido. O banho em curso foi cancelado.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Contacto magnético aberto durante mais de 60 segundos desde o último banho</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Detetada sobreposição de programas semanais</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Detetada sobreposição de programas por data</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Limite de tempo de banho excedido. Será possível iniciar às %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Operação impossível: bloqueada pelo bloqueio de início</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>O esvaziamento do depósito começou. A operação será possível quando o esvaziamento terminar</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Verifique e limpe o depósito</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Verifique a sauna antes do próximo início</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Avaria: o esvaziamento do depósito começou</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>A descalcificação começou, operação impossível</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Descalcificação concluída</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Água no depósito</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>O depósito deve ser esvaziado manualmente</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>O modo de espera já não é possível no sistema devido a um erro do sensor do depósito</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>A limpeza foi efetuada?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Nenhum sensor de humidade detetado. Vapor não permitido.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>O intervalo de esvaziamento automático do depósito começou. Vapor reduzido.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>O esvaziamento automático do depósito começou. O funcionamento será retomado.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Perdeu-se a comunicação com a placa adicional.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Temperatura da cabine demasiado alta. Produção de vapor temporariamente em pausa.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Não implementado</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Não há espaço para outro %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Não há posições livres para favoritos</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Já existe um favorito com esse nome</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Já existe um favorito chamado %1. Substituir?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Eliminar o favorito?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Sem contacto com a placa de controlo</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Limpar o calendário?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>O tempo que falta para a sauna estar pronta é inferior ao tempo de aquecimento estimado (%1 minutos). Usar esta hora mesmo assim?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>O tempo que falta para a sauna estar pronta é inferior ao tempo de aquecimento estimado pelas definições de fábrica (%1 minutos). O tempo de aquecimento será calibrado com a utilização. Usar esta hora mesmo assim?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Nenhum sensor magnético de porta ligado</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Início diferido alterado a partir de outro painel</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Programa semanal alterado a partir de outro painel</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Programa por data alterado a partir de outro painel</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Não há nenhum intervalo livre para um novo programa</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favorito alterado a partir de outro painel</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Programas do calendário afetados pela alteração do favorito: %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Eliminar %1?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>O ecrã vai DESLIGAR-SE por inatividade (temporizador de suspensão do ecrã)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Erro ao mudar de idioma. O idioma anterior será mantido.</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Erro interno de software detetado no ficheiro %1, linha %2: %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Ficheiro não encontrado: %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Erro de chave/tradução: %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>O temporizador de pausa da sauna foi reposto</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>O bloqueio de início da sauna, %2, coincide com %1. Guardar mesmo assim?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>O bloqueio de início da sauna, %2, pode coincidir com %1. Guardar mesmo assim?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Repor as definições de fábrica?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>PIN alterado</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>A data e a hora não estão corretas. Introduza-as novamente.</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Eliminar o sistema?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Ligado ao sistema %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Falha na ligação ao sistema %1: PIN incorreto</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Falha na ligação ao sistema %1 por incompatibilidade. Atualize o painel PC.</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Falha na ligação ao sistema %1</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Esquecer a rede Wi-Fi %1?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>O nome do favorito contém carateres não suportados: %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>O nome do relé auxiliar contém carateres não suportados: %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Descalcificação em curso</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Perdeu-se a ligação ao sistema %1</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Sem resposta do sistema %1</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>A obter dados do sistema %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>A procurar um sistema no endereço IP %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Nenhum sistema encontrado no endereço IP %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Porta %1 em uso; a usar o anúncio alternativo</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Ligado à rede %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Falha na ligação à rede %1: %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Falha na ligação ao sistema %1: nenhum sensor magnético de porta ligado</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>A palavra-passe contém carateres nacionais ou especiais que provavelmente não funcionam numa palavra-passe Wi-Fi: %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>As definições do painel foram repostas. A placa de controlo e as definições Wi-Fi não foram repostas. O programa fecha dentro de 5 segundos.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>O ficheiro de definições estava danificado e foi reparado; as definições das linhas danificadas podem ter sido perdidas. O ficheiro danificado foi copiado para %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Não é possível guardar as definições. As alterações não serão mantidas quando o programa fechar.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Guardar as alterações ao favorito %1?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Sistema encontrado no endereço IP %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Outro sistema (%1) respondeu no endereço do sistema %2. O painel não se liga a ele.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Guardar as alterações ao programa de calendário %1?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>O bloqueio por PIN está ativado. O painel desbloqueia-se com o PIN %1. Para definir outro PIN, utilize a opção Alterar PIN.</translation>
    </message>
</context>
<context>
    <name>view::details::KeyboardTranslations</name>
    <message>
        <source>keyboardRow1Pos0CapsFalseSymbolFalse</source>
        <translation>1</translation>
    </message>
    <message>
        <source>keyboardRow1Pos0CapsFalseSymbolTrue_</source>
        <translation>1</translation>
    </message>
    <message>
        <source>keyboardRow1Pos0CapsTrue_SymbolFalse</source>
        <translation>1</translation>
    </message>
    <message>
        <source>keyboardRow1Pos0CapsTrue_SymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsFalseSymbolFalse</source>
        <translation>2</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsFalseSymbolTrue_</source>
        <translation>2</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsTrue_SymbolFalse</source>
        <translation>2</translation>
    </message>
    <message>
        <source>keyboardRow1Pos1CapsTrue_SymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsFalseSymbolFalse</source>
        <translation>3</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsFalseSymbolTrue_</source>
        <translation>3</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsTrue_SymbolFalse</source>
        <translation>3</translation>
    </message>
    <message>
        <source>keyboardRow1Pos2CapsTrue_SymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsFalseSymbolFalse</source>
        <translation>4</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsFalseSymbolTrue_</source>
        <translation>4</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsTrue_SymbolFalse</source>
        <translation>4</translation>
    </message>
    <message>
        <source>keyboardRow1Pos3CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsFalseSymbolFalse</source>
        <translation>5</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsFalseSymbolTrue_</source>
        <translation>5</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsTrue_SymbolFalse</source>
        <translation>5</translation>
    </message>
    <message>
        <source>keyboardRow1Pos4CapsTrue_SymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsFalseSymbolFalse</source>
        <translation>6</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsFalseSymbolTrue_</source>
        <translation>6</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsTrue_SymbolFalse</source>
        <translation>6</translation>
    </message>
    <message>
        <source>keyboardRow1Pos5CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsFalseSymbolFalse</source>
        <translation>7</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsFalseSymbolTrue_</source>
        <translation>7</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsTrue_SymbolFalse</source>
        <translation>7</translation>
    </message>
    <message>
        <source>keyboardRow1Pos6CapsTrue_SymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsFalseSymbolFalse</source>
        <translation>8</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsFalseSymbolTrue_</source>
        <translation>8</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsTrue_SymbolFalse</source>
        <translation>8</translation>
    </message>
    <message>
        <source>keyboardRow1Pos7CapsTrue_SymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsFalseSymbolFalse</source>
        <translation>9</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsFalseSymbolTrue_</source>
        <translation>9</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsTrue_SymbolFalse</source>
        <translation>9</translation>
    </message>
    <message>
        <source>keyboardRow1Pos8CapsTrue_SymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsFalseSymbolFalse</source>
        <translation>0</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsFalseSymbolTrue_</source>
        <translation>0</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsTrue_SymbolFalse</source>
        <translation>0</translation>
    </message>
    <message>
        <source>keyboardRow1Pos9CapsTrue_SymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolFalse</source>
        <translation>ç</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>Ç</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>á</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>Á</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolFalse</source>
        <translation>à</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsFalseSymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolFalse</source>
        <translation>À</translation>
    </message>
    <message>
        <source>keyboardRow2Pos2CapsTrue_SymbolTrue_</source>
        <translation>£</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolFalse</source>
        <translation>â</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>Â</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>ã</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>Ã</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>é</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>É</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolFalse</source>
        <translation>ê</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsFalseSymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolFalse</source>
        <translation>Ê</translation>
    </message>
    <message>
        <source>keyboardRow2Pos6CapsTrue_SymbolTrue_</source>
        <translation>~</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolFalse</source>
        <translation>í</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>Í</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>Ó</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>ô</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>Ô</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>õ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>Õ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>ú</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>Ú</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsFalseSymbolFalse</source>
        <translation>q</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsFalseSymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolFalse</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolFalse</source>
        <translation>w</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolTrue_</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsTrue_SymbolFalse</source>
        <translation>W</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsTrue_SymbolTrue_</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsFalseSymbolFalse</source>
        <translation>e</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsFalseSymbolTrue_</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsTrue_SymbolFalse</source>
        <translation>E</translation>
    </message>
    <message>
        <source>keyboardRow3Pos2CapsTrue_SymbolTrue_</source>
        <translation>:</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsFalseSymbolFalse</source>
        <translation>r</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsFalseSymbolTrue_</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsTrue_SymbolFalse</source>
        <translation>R</translation>
    </message>
    <message>
        <source>keyboardRow3Pos3CapsTrue_SymbolTrue_</source>
        <translation>;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsFalseSymbolFalse</source>
        <translation>t</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsFalseSymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsTrue_SymbolFalse</source>
        <translation>T</translation>
    </message>
    <message>
        <source>keyboardRow3Pos4CapsTrue_SymbolTrue_</source>
        <translation>(</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsFalseSymbolFalse</source>
        <translation>y</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsFalseSymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsTrue_SymbolFalse</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>keyboardRow3Pos5CapsTrue_SymbolTrue_</source>
        <translation>)</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsFalseSymbolFalse</source>
        <translation>u</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsFalseSymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsTrue_SymbolFalse</source>
        <translation>U</translation>
    </message>
    <message>
        <source>keyboardRow3Pos6CapsTrue_SymbolTrue_</source>
        <translation>&amp;</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsFalseSymbolFalse</source>
        <translation>i</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsFalseSymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsTrue_SymbolFalse</source>
        <translation>I</translation>
    </message>
    <message>
        <source>keyboardRow3Pos7CapsTrue_SymbolTrue_</source>
        <translation>@</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsFalseSymbolFalse</source>
        <translation>o</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsFalseSymbolTrue_</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsTrue_SymbolFalse</source>
        <translation>O</translation>
    </message>
    <message>
        <source>keyboardRow3Pos8CapsTrue_SymbolTrue_</source>
        <translation>"</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsFalseSymbolFalse</source>
        <translation>p</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsFalseSymbolTrue_</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsTrue_SymbolFalse</source>
        <translation>P</translation>
    </message>
    <message>
        <source>keyboardRow3Pos9CapsTrue_SymbolTrue_</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsFalseSymbolFalse</source>
        <translation>a</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsFalseSymbolTrue_</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsTrue_SymbolFalse</source>
        <translation>A</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsTrue_SymbolTrue_</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsFalseSymbolFalse</source>
        <translation>s</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsFalseSymbolTrue_</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsTrue_SymbolFalse</source>
        <translation>S</translation>
    </message>
    <message>
        <source>keyboardRow4Pos1CapsTrue_SymbolTrue_</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsFalseSymbolFalse</source>
        <translation>d</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsFalseSymbolTrue_</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsTrue_SymbolFalse</source>
        <translation>D</translation>
    </message>
    <message>
        <source>keyboardRow4Pos2CapsTrue_SymbolTrue_</source>
        <translation>?</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsFalseSymbolFalse</source>
        <translation>f</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsFalseSymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsTrue_SymbolFalse</source>
        <translation>F</translation>
    </message>
    <message>
        <source>keyboardRow4Pos3CapsTrue_SymbolTrue_</source>
        <translation>!</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsFalseSymbolFalse</source>
        <translation>g</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsFalseSymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsTrue_SymbolFalse</source>
        <translation>G</translation>
    </message>
    <message>
        <source>keyboardRow4Pos4CapsTrue_SymbolTrue_</source>
        <translation>#</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsFalseSymbolFalse</source>
        <translation>h</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsFalseSymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsTrue_SymbolFalse</source>
        <translation>H</translation>
    </message>
    <message>
        <source>keyboardRow4Pos5CapsTrue_SymbolTrue_</source>
        <translation>%</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsFalseSymbolFalse</source>
        <translation>j</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsFalseSymbolTrue_</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsTrue_SymbolFalse</source>
        <translation>J</translation>
    </message>
    <message>
        <source>keyboardRow4Pos6CapsTrue_SymbolTrue_</source>
        <translation>+</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsFalseSymbolFalse</source>
        <translation>k</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsFalseSymbolTrue_</source>
        <translation>=</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsTrue_SymbolFalse</source>
        <translation>K</translation>
    </message>
    <message>
        <source>keyboardRow4Pos7CapsTrue_SymbolTrue_</source>
        <translation>=</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsFalseSymbolFalse</source>
        <translation>l</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsFalseSymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsTrue_SymbolFalse</source>
        <translation>L</translation>
    </message>
    <message>
        <source>keyboardRow4Pos8CapsTrue_SymbolTrue_</source>
        <translation>*</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolFalse</source>
        <translation>z</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolFalse</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsFalseSymbolFalse</source>
        <translation>x</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsFalseSymbolTrue_</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsTrue_SymbolFalse</source>
        <translation>X</translation>
    </message>
    <message>
        <source>keyboardRow5Pos1CapsTrue_SymbolTrue_</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsFalseSymbolFalse</source>
        <translation>c</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsFalseSymbolTrue_</source>
        <translation>[</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsTrue_SymbolFalse</source>
        <translation>C</translation>
    </message>
    <message>
        <source>keyboardRow5Pos2CapsTrue_SymbolTrue_</source>
        <translation>[</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsFalseSymbolFalse</source>
        <translation>v</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsFalseSymbolTrue_</source>
        <translation>]</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsTrue_SymbolFalse</source>
        <translation>V</translation>
    </message>
    <message>
        <source>keyboardRow5Pos3CapsTrue_SymbolTrue_</source>
        <translation>]</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsFalseSymbolFalse</source>
        <translation>b</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsFalseSymbolTrue_</source>
        <translation>{</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsTrue_SymbolFalse</source>
        <translation>B</translation>
    </message>
    <message>
        <source>keyboardRow5Pos4CapsTrue_SymbolTrue_</source>
        <translation>{</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsFalseSymbolFalse</source>
        <translation>n</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsFalseSymbolTrue_</source>
        <translation>}</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsTrue_SymbolFalse</source>
        <translation>N</translation>
    </message>
    <message>
        <source>keyboardRow5Pos5CapsTrue_SymbolTrue_</source>
        <translation>}</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsFalseSymbolFalse</source>
        <translation>m</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsFalseSymbolTrue_</source>
        <translation>`</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsTrue_SymbolFalse</source>
        <translation>M</translation>
    </message>
    <message>
        <source>keyboardRow5Pos6CapsTrue_SymbolTrue_</source>
        <translation>`</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Início da semana</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Apagar calendário</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato da hora</translation>
    </message>
    <message>
        <source>0-24</source>
        <translation>0-24</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>AM/PM</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeDateViewManager</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>AA/MM/DD</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>DD/MM/AA</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/DD/AA</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Apagar calendário</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Início da semana</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Apagar calendário</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Definir hora</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Definir data</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>Ao escolher uma região, define também o respetivo formato da data, formato da hora, primeiro dia da semana e unidade de temperatura.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 segundos</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutos</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutos</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minutos</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralRegionViewManager</name>
    <message>
        <source>EU</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América do Norte</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outra</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralUnitsViewManager</name>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Identificar placa de relés</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Prima um botão para fazer soar o besouro da placa de relés correspondente.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Informação de licenças</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Bibliotecas deste PC</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutLicenseInfoViewManager</name>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Protocol Buffers</source>
        <translation>Protocol Buffers</translation>
    </message>
    <message>
        <source>TCLAP</source>
        <translation>TCLAP</translation>
    </message>
    <message>
        <source>Libraries of this PC</source>
        <translation>Bibliotecas deste PC</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>O painel de controlo %1 foi desenvolvido com componentes de software de código aberto, sujeitos aos direitos de autor dos respetivos autores.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>A informação sobre componentes e licenças só está disponível em inglês; muitas licenças disponibilizam traduções nos respetivos sites. Selecione um componente na lista abaixo para ver a respetiva informação.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[O resto do ficheiro não é apresentado.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>atual</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Informação de licenças</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identificar placa de relés</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>Painel de controlo PC</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Versão do software</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instância</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Painel de controlo</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Tipo de instalação</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nó</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Versão Zerededid</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Supervisionada</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Temporizada</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Pública</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Placa de relés</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Sensor de temperatura e humidade</translation>
    </message>
    <message>
        <source>Tarn</source>
        <translation>Tarn</translation>
    </message>
    <message>
        <source>Crest</source>
        <translation>Crest</translation>
    </message>
    <message>
        <source>Glen</source>
        <translation>Glen</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenith</translation>
    </message>
    <message>
        <source>Q7</source>
        <translation>Q7</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
</context>
<context>
    <name>LimitsMenuPage</name>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Bath temperature</source>
        <translation>Temperatura de banho</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Temperatura de banho máxima que o utilizador pode definir</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Temperatura da água</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Tempo máx. de enchimento</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Sobreaquecimento</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Placa de controlo</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Bloqueio de início</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Temperatura de banho</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Sobreaquecimento</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Temperatura da água</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Bloqueio de início</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Tempo máx. de enchimento</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Ativar limite horário</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Até</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Definições avançadas</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Aviso de limpeza</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Interruptor externo</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Tempo de banho</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Tempo de funcionamento</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Redução de temperatura</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Temp. do depósito em espera</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Esvaziamento automático</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Tempo de banho</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Renovar tempo de banho</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ligar/desligar</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsFanViewManager</name>
    <message>
        <source>Running Time</source>
        <translation>Tempo de funcionamento</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Ativar modo de espera</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Interruptor externo</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Avisos do depósito</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Limpezas até agora: %1</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemTankAutoEmptyingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosagem</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Dia da semana</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetição</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Aroma</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificação</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Prioridade do tipo de banho</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Registo de erros</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Tipo de instalação</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
</context>
<context>
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Configuração após reposição de fábrica, passo %1 de %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Procurar por IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
</context>
<context>
    <name>IrPage</name>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
</context>
<context>
    <name>NetworkListPage</name>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Sistemas de sauna</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Temporizador de pausa</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Introduza o PIN</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>PIN do sistema de sauna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Detalhes do sistema</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosagem</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Dia da semana</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetição</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Todas as semanas</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>De 2 em 2 semanas</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>De 3 em 3 semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Todos os meses</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxViewManager</name>
    <message>
        <source>Not in use</source>
        <translation>Não utilizado</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ligar/desligar</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Aroma</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Descalcificação</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidade</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Pública</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Temporizada</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Supervisionada</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filtrar temperatura</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filtrar humidade</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Vibração</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Procurar por IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Último anúncio</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Introduza o PIN</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>O PIN deve ter de 1 a 4 dígitos</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Porta inválida</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Repor temporizador de pausa</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Regulador</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ligar/desligar</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividido</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Relés da placa:</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Limpezas: %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Temperatura da cabine: %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Humidade da cabine: %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Contacto magnético: %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Não ligado</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>secundário</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Temperatura da água%1: %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Nível de água</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Taxa de aquecimento Smart Start: %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Tempo total de funcionamento: %1%2</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemViewManager</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Aviso de limpeza</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Esvaziamento automático</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Prioridade do tipo de banho</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Temporizador de pausa</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Registo de erros</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Tipo de instalação</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Dispositivos externos</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Redes Wi-Fi</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Nenhum endereço IP encontrado</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>Endereço IP: %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>Endereços IP</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidade</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
</context>
</TS>
