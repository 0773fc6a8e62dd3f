<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>CalendarPage</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>À venir</translation>
    </message>
    <message>
        <source>Date program</source>
        <translation>Programme daté</translation>
    </message>
    <message>
        <source>Weekly program</source>
        <translation>Programme hebdo</translation>
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
        <translation>Favori</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Edit bath time</source>
        <translation>Modifier la durée de bain</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Durée de bain</translation>
    </message>
    <message>
        <source>Set bath time</source>
        <translation>Régler la durée de bain</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Save current settings as favorite</source>
        <translation>Ajouter aux favoris</translation>
    </message>
</context>
<context>
    <name>GeneralMenuPage</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>GenericListView</name>
    <message>
        <source>Nothing to show</source>
        <translation>Rien à afficher</translation>
    </message>
</context>
<context>
    <name>HeaterSettingsPage</name>
    <message>
        <source>Heater settings</source>
        <translation>Réglages du poêle</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Durée de bain</translation>
    </message>
    <message>
        <source>Save bath time</source>
        <translation>Enregistrer la durée</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilateur</translation>
    </message>
    <message>
        <source>Fan running</source>
        <translation>Ventilateur en marche</translation>
    </message>
    <message>
        <source>Automatic fan</source>
        <translation>Ventilateur auto</translation>
    </message>
    <message>
        <source>Runs with the heater</source>
        <translation>Fonctionne avec le poêle</translation>
    </message>
    <message>
        <source>Auxiliary relays</source>
        <translation>Relais auxiliaires</translation>
    </message>
</context>
<context>
    <name>HumidityStepper</name>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
</context>
<context>
    <name>LightsTile</name>
    <message>
        <source>Lights</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Allumé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Éteint</translation>
    </message>
</context>
<context>
    <name>LockedControlPage</name>
    <message>
        <source>Target temperature</source>
        <translation>Température cible</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Humidité cible</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
</context>
<context>
    <name>MainControlPage</name>
    <message>
        <source>Humidity %1</source>
        <translation>Humidité %1</translation>
    </message>
    <message>
        <source>Humidity --</source>
        <translation>Humidité --</translation>
    </message>
    <message>
        <source>Target temperature</source>
        <translation>Température cible</translation>
    </message>
    <message>
        <source>Target humidity</source>
        <translation>Humidité cible</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilateur</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
</context>
<context>
    <name>NotConnectedNotice</name>
    <message>
        <source>No sauna is connected. Connect one in Settings → Network.</source>
        <translation>Aucun sauna n’est connecté. Connectez-en un dans Réglages → Réseau.</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>At most %1 characters</source>
        <translation>%1 caractères au maximum</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>PinChangePage</name>
    <message>
        <source>Wrong PIN</source>
        <translation>Code PIN erroné</translation>
    </message>
    <message>
        <source>Invalid PIN</source>
        <translation>Code PIN non valide</translation>
    </message>
    <message>
        <source>The PINs do not match</source>
        <translation>Les codes PIN ne correspondent pas</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Changer le code PIN</translation>
    </message>
    <message>
        <source>Enter current PIN</source>
        <translation>Saisir le code PIN actuel</translation>
    </message>
    <message>
        <source>Enter new PIN</source>
        <translation>Saisir le nouveau code PIN</translation>
    </message>
    <message>
        <source>Confirm new PIN</source>
        <translation>Confirmer le nouveau code PIN</translation>
    </message>
</context>
<context>
    <name>PinEntryPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Saisir le code PIN</translation>
    </message>
    <message>
        <source>Wrong PIN</source>
        <translation>Code PIN erroné</translation>
    </message>
</context>
<context>
    <name>PinSettingsPage</name>
    <message>
        <source>PIN</source>
        <translation>Code PIN</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsPage</name>
    <message>
        <source>Ready at</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Set ready time</source>
        <translation>Régler l’heure de disponibilité</translation>
    </message>
    <message>
        <source>Custom settings</source>
        <translation>Réglages personnalisés</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Arrêt après</translation>
    </message>
    <message>
        <source>Set stop time</source>
        <translation>Régler l’arrêt</translation>
    </message>
    <message>
        <source>Use custom settings</source>
        <translation>Utiliser des réglages perso.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Set start time</source>
        <translation>Régler l’heure de démarrage</translation>
    </message>
    <message>
        <source>Set temperature</source>
        <translation>Régler la température</translation>
    </message>
    <message>
        <source>Set humidity</source>
        <translation>Régler l’humidité</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>PC Panel</source>
        <translation>Panneau PC</translation>
    </message>
    <message>
        <source>Smart Phone</source>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablette</translation>
    </message>
    <message>
        <source>Home Automation</source>
        <translation>Domotique</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
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
        <translation>Combi manuel</translation>
    </message>
    <message>
        <source>Combi automatic</source>
        <translation>Combi automatique</translation>
    </message>
    <message>
        <source>Steam private</source>
        <translation>Vapeur privée</translation>
    </message>
    <message>
        <source>Steam private auto</source>
        <translation>Vapeur privée auto</translation>
    </message>
    <message>
        <source>Steam public</source>
        <translation>Vapeur publique</translation>
    </message>
    <message>
        <source>Steam public/private Manual Empty</source>
        <translation>Vapeur publique/privée, vidange manuelle</translation>
    </message>
    <message>
        <source>Sauna box addon</source>
        <translation>Module d’extension sauna</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Sauna Low</source>
        <translation>Sauna basse</translation>
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
        <translation>Non défini</translation>
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
        <translation>K9 (sans Wi-Fi)</translation>
    </message>
    <message>
        <source>Vertex (no Wifi)</source>
        <translation>Vertex (sans Wi-Fi)</translation>
    </message>
    <message>
        <source>Fell</source>
        <translation>Fell</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>plural_Mondays</source>
        <translation>Lundis</translation>
    </message>
    <message>
        <source>plural_Tuesdays</source>
        <translation>Mardis</translation>
    </message>
    <message>
        <source>plural_Wednesdays</source>
        <translation>Mercredis</translation>
    </message>
    <message>
        <source>plural_Thursdays</source>
        <translation>Jeudis</translation>
    </message>
    <message>
        <source>plural_Fridays</source>
        <translation>Vendredis</translation>
    </message>
    <message>
        <source>plural_Saturdays</source>
        <translation>Samedis</translation>
    </message>
    <message>
        <source>plural_Sundays</source>
        <translation>Dimanches</translation>
    </message>
    <message>
        <source>long_form_January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>long_form_February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>long_form_March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>long_form_April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>long_form_May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>long_form_June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>long_form_July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>long_form_August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>long_form_September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>long_form_October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>long_form_November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>long_form_December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>short_form_January</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>short_form_February</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>short_form_March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>short_form_April</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>short_form_May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>short_form_June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>short_form_July</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>short_form_August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>short_form_September</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>short_form_October</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>short_form_November</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>short_form_December</source>
        <translation>déc.</translation>
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
        <translation>Relais non défini</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Marche/arrêt</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Ready at</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop after</source>
        <translation>Arrêt après</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Bath</source>
        <translation>Bain</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Démarrage à chaud</translation>
    </message>
    <message>
        <source>Current Settings</source>
        <translation>Réglages actuels</translation>
    </message>
    <message>
        <source>Delayed start</source>
        <translation>Démarrage différé</translation>
    </message>
    <message>
        <source>delayed start</source>
        <translation>démarrage différé</translation>
    </message>
    <message>
        <source>date calendar program</source>
        <translation>programme daté</translation>
    </message>
    <message>
        <source>weekday calendar program</source>
        <translation>programme hebdomadaire</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Standard network</source>
        <translation>Réseau standard</translation>
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
        <translation>ID de message utilisateur inconnu %1 (0x%2)</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Détartrage</translation>
    </message>
    <message>
        <source>Auto connect</source>
        <translation>Connexion auto</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>SaunaStatus</name>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Chauffe</translation>
    </message>
    <message>
        <source>Drying</source>
        <translation>Séchage</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Détartrage</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
</context>
<context>
    <name>SettingsFrame</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
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
        <translation>Consigne %1</translation>
    </message>
</context>
<context>
    <name>WeekProgramsPage</name>
    <message>
        <source>Weekly programs active</source>
        <translation>Programmes hebdo. actifs</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Name of the favorite</source>
        <translation>Nom du favori</translation>
    </message>
    <message>
        <source>Name of the relay</source>
        <translation>Nom du relais</translation>
    </message>
    <message>
        <source>Sauna</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>main_startup_screen</name>
    <message>
        <source>PC Control Panel</source>
        <translation>Panneau de commande PC</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
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
        <translation>%1 - %2 (connexion perdue)</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralPinViewManager</name>
    <message>
        <source>Activate PIN</source>
        <translation>Activer le code PIN</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Changer le code PIN</translation>
    </message>
    <message>
        <source>Controls on lockscreen</source>
        <translation>Commandes sur écran verrouillé</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralViewManager</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>Code PIN</translation>
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
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>Room temperature sensor not connected or malfunctioning</source>
        <translation>Sonde de température de la cabine non connectée ou défectueuse</translation>
    </message>
    <message>
        <source>Steam tank temperature sensor not connected or malfunctioning</source>
        <translation>Sonde de température du réservoir de vapeur non connectée ou défectueuse</translation>
    </message>
    <message>
        <source>Relay Control Box PCB has overheated</source>
        <translation>La carte relais a surchauffé</translation>
    </message>
    <message>
        <source>Electrode short circuit</source>
        <translation>Court-circuit des électrodes</translation>
    </message>
    <message>
        <source>Steamtank overfill. Level electrodes malfunction.</source>
        <translation>Trop-plein du réservoir de vapeur. Électrodes de niveau défectueuses.</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Control Panel Home</source>
        <translation>Contact perdu avec le nœud Zerededid de profil Panneau de commande Home</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Temperature/Humidity Sensor</source>
        <translation>Contact perdu avec le nœud Zerededid de profil Sonde de température/humidité</translation>
    </message>
    <message>
        <source>Steam tank has overheated</source>
        <translation>Le réservoir de vapeur a surchauffé</translation>
    </message>
    <message>
        <source>Real-time clock (RTC) communication failure</source>
        <translation>Échec de communication avec l’horloge temps réel (RTC)</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Communication perdue avec la carte d’extension.</translation>
    </message>
    <message>
        <source>Emptying of water in steam tank failure. Turn off power and do service.</source>
        <translation>Échec de la vidange du réservoir de vapeur. Coupez l’alimentation et effectuez l’entretien.</translation>
    </message>
    <message>
        <source>Level electrodes steam tank out of service, interruption mid</source>
        <translation>Électrodes de niveau du réservoir de vapeur hors service, coupure au niveau moyen</translation>
    </message>
    <message>
        <source>Zerededid connected humidity sensor malfunctioning</source>
        <translation>Sonde d’humidité connectée via Zerededid défectueuse</translation>
    </message>
    <message>
        <source>Zerededid connected temperature sensor malfunctioning</source>
        <translation>Sonde de température connectée via Zerededid défectueuse</translation>
    </message>
    <message>
        <source>Contact lost with Zerededid node of node profile Relay Control Board</source>
        <translation>Contact perdu avec le nœud Zerededid de profil Carte relais</translation>
    </message>
    <message>
        <source>High temperature limit control have trip out, must be reset</source>
        <translation>Le limiteur de température s’est déclenché et doit être réarmé</translation>
    </message>
    <message>
        <source>Room temperature sensor overheated</source>
        <translation>La sonde de température de la cabine a surchauffé</translation>
    </message>
    <message>
        <source>Too many units connected</source>
        <translation>Trop d’appareils connectés</translation>
    </message>
    <message>
        <source>The door has been open for more than the allowed time. Ongoing bath cancelled.</source>
        <translation>La porte est restée ouverte plus longtemps que permis. Le bain en cours a été annulé.</translation>
    </message>
    <message>
        <source>Magnetic contact open more than 60 seconds since last bath</source>
        <translation>Contact magnétique ouvert plus de 60 secondes depuis le dernier bain</translation>
    </message>
</context>
<context>
    <name>view::details::UserMessageFunctions</name>
    <message>
        <source>Weekday calendar program collision detected</source>
        <translation>Chevauchement de programmes hebdomadaires détecté</translation>
    </message>
    <message>
        <source>Date calendar program collision detected</source>
        <translation>Chevauchement de programmes datés détecté</translation>
    </message>
    <message>
        <source>Bathtime limit exceeded. Start will be allowed at %1</source>
        <translation>Limite de durée de bain dépassée. Le démarrage sera possible à %1</translation>
    </message>
    <message>
        <source>Operation not possible, blocked by not allowed start</source>
        <translation>Opération impossible, bloquée par l’interdiction de démarrage</translation>
    </message>
    <message>
        <source>Tank emptying has started, operation is possible when draining is complete</source>
        <translation>La vidange du réservoir a commencé. L’opération sera possible une fois la vidange terminée</translation>
    </message>
    <message>
        <source>Perform control/clean of tank</source>
        <translation>Contrôlez et nettoyez le réservoir</translation>
    </message>
    <message>
        <source>Check sauna before next start</source>
        <translation>Vérifiez le sauna avant le prochain démarrage</translation>
    </message>
    <message>
        <source>Fault, tank emptying has started</source>
        <translation>Défaut, la vidange du réservoir a commencé</translation>
    </message>
    <message>
        <source>Descaling has started, operation not possible</source>
        <translation>Le détartrage a commencé, opération impossible</translation>
    </message>
    <message>
        <source>Descaling completed</source>
        <translation>Détartrage terminé</translation>
    </message>
    <message>
        <source>Water in tank</source>
        <translation>Eau dans le réservoir</translation>
    </message>
    <message>
        <source>Manual tank emptying should be performed</source>
        <translation>Une vidange manuelle du réservoir doit être effectuée</translation>
    </message>
    <message>
        <source>Standby operation is no longer possible in the system due to tank sensor error</source>
        <translation>Le mode veille n’est plus possible dans le système en raison d’une erreur de la sonde du réservoir</translation>
    </message>
    <message>
        <source>Has cleanup been performed?</source>
        <translation>Le nettoyage a-t-il été effectué ?</translation>
    </message>
    <message>
        <source>No humidity sensor detected. Steam not allowed.</source>
        <translation>Aucune sonde d’humidité détectée. Vapeur non autorisée.</translation>
    </message>
    <message>
        <source>Automatic tank emptying interval has started. Reduced steam.</source>
        <translation>L’intervalle de vidange automatique du réservoir a commencé. Vapeur réduite.</translation>
    </message>
    <message>
        <source>Automatic tank emptying has started. Operation will resume.</source>
        <translation>La vidange automatique du réservoir a commencé. Le fonctionnement reprendra ensuite.</translation>
    </message>
    <message>
        <source>Communication with addon card lost.</source>
        <translation>Communication perdue avec la carte d’extension.</translation>
    </message>
    <message>
        <source>Room temperature too high. Steam production paused temporarily.</source>
        <translation>Température de la cabine trop élevée. Production de vapeur suspendue temporairement.</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Non implémenté</translation>
    </message>
    <message>
        <source>No free %1</source>
        <translation>Plus de place pour un %1</translation>
    </message>
    <message>
        <source>No free favorites posts available</source>
        <translation>Aucun emplacement de favori disponible</translation>
    </message>
    <message>
        <source>A favorite post with specified name already exists</source>
        <translation>Un favori portant ce nom existe déjà</translation>
    </message>
    <message>
        <source>A favorite post named %1 already exists. Overwrite?</source>
        <translation>Un favori nommé %1 existe déjà. L’écraser ?</translation>
    </message>
    <message>
        <source>Confirm favorite delete?</source>
        <translation>Supprimer ce favori ?</translation>
    </message>
    <message>
        <source>No contact with control board</source>
        <translation>Aucun contact avec la carte de commande</translation>
    </message>
    <message>
        <source>Confirm clear calendar</source>
        <translation>Vider le calendrier ?</translation>
    </message>
    <message>
        <source>Time to ready at less than estimated heating time %1 minutes. Use anyway?</source>
        <translation>Le temps restant avant que le sauna soit prêt est inférieur au temps de chauffe estimé (%1 minutes). Utiliser quand même cette heure ?</translation>
    </message>
    <message>
        <source>Time to ready at less than heating time %1 minutes estimated from factory settings. Heating time will be calibrated at use. Use anyway?</source>
        <translation>Le temps restant avant que le sauna soit prêt est inférieur au temps de chauffe estimé d’après les réglages d’usine (%1 minutes). Le temps de chauffe sera calibré à l’usage. Utiliser quand même cette heure ?</translation>
    </message>
    <message>
        <source>No door switch magnetic sensor connected</source>
        <translation>Aucun contact magnétique de porte connecté</translation>
    </message>
    <message>
        <source>Delayed start program edited from other panel</source>
        <translation>Démarrage différé modifié depuis un autre panneau</translation>
    </message>
    <message>
        <source>Weekday calendar program edited from other panel</source>
        <translation>Programme hebdomadaire modifié depuis un autre panneau</translation>
    </message>
    <message>
        <source>Date calendar program edited from other panel</source>
        <translation>Programme daté modifié depuis un autre panneau</translation>
    </message>
    <message>
        <source>No free time gap for new post</source>
        <translation>Aucun créneau libre pour un nouveau programme</translation>
    </message>
    <message>
        <source>Favorite post edited from other panel</source>
        <translation>Favori modifié depuis un autre panneau</translation>
    </message>
    <message>
        <source>Calendar programs affected by favorite change: %1</source>
        <translation>Programmes du calendrier concernés par la modification du favori : %1</translation>
    </message>
    <message>
        <source>Confirm delete of %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
    <message>
        <source>Display will turn OFF due to inactivity (display sleep timer)</source>
        <translation>L’écran va s’ÉTEINDRE pour cause d’inactivité (mise en veille de l’écran)</translation>
    </message>
    <message>
        <source>Error switching to new language, old will be kept</source>
        <translation>Erreur lors du changement de langue. L’ancienne langue est conservée.</translation>
    </message>
    <message>
        <source>Internal software error detected file %1 line %2: %3</source>
        <translation>Erreur logicielle interne détectée dans le fichier %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>File not found %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>Key/translation error %1</source>
        <translation>Erreur de clé/traduction : %1</translation>
    </message>
    <message>
        <source>Sauna pause timer has been reset</source>
        <translation>La minuterie de pause du sauna a été réinitialisée</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, conflicts with %1. Save anyway?</source>
        <translation>La plage d’interdiction de démarrage du sauna, %2, chevauche %1. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Sauna not allowed start, %2, may conflict with %1. Save anyway?</source>
        <translation>La plage d’interdiction de démarrage du sauna, %2, peut chevaucher %1. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Confirm factory reset?</source>
        <translation>Rétablir les réglages d’usine ?</translation>
    </message>
    <message>
        <source>PIN code changed</source>
        <translation>Code PIN modifié</translation>
    </message>
    <message>
        <source>Date and time are not correct, reenter</source>
        <translation>La date et l’heure sont incorrectes. Saisissez-les à nouveau.</translation>
    </message>
    <message>
        <source>Confirm delete of system</source>
        <translation>Supprimer le système ?</translation>
    </message>
    <message>
        <source>Connected to system %1</source>
        <translation>Connecté au système %1</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, incorrect PIN</source>
        <translation>Échec de la connexion au système %1 : code PIN incorrect</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, compatibility - update PC panel</source>
        <translation>Échec de la connexion au système %1 pour cause d’incompatibilité. Mettez à jour le panneau PC.</translation>
    </message>
    <message>
        <source>Connect to system %1 failed</source>
        <translation>Échec de la connexion au système %1</translation>
    </message>
    <message>
        <source>Confirm forget of WiFi network %1</source>
        <translation>Oublier le réseau Wi-Fi %1 ?</translation>
    </message>
    <message>
        <source>Favorite name contains unsupported characters: %1</source>
        <translation>Le nom du favori contient des caractères non pris en charge : %1</translation>
    </message>
    <message>
        <source>Auxiliary relay name contains unsupported characters: %1</source>
        <translation>Le nom du relais auxiliaire contient des caractères non pris en charge : %1</translation>
    </message>
    <message>
        <source>Descaling running</source>
        <translation>Détartrage en cours</translation>
    </message>
    <message>
        <source>Connection to system %1 lost</source>
        <translation>Connexion au système %1 perdue</translation>
    </message>
    <message>
        <source>No response from system %1</source>
        <translation>Aucune réponse du système %1</translation>
    </message>
    <message>
        <source>Retriveing data from system %1</source>
        <translation>Récupération des données du système %1</translation>
    </message>
    <message>
        <source>Detecting system on IP adress %1...</source>
        <translation>Recherche d’un système à l’adresse IP %1...</translation>
    </message>
    <message>
        <source>No system found on IP adress %1</source>
        <translation>Aucun système trouvé à l’adresse IP %1</translation>
    </message>
    <message>
        <source>Port %1 used, using fallback announcement</source>
        <translation>Port %1 occupé, annonce de secours utilisée</translation>
    </message>
    <message>
        <source>Connected to network %1</source>
        <translation>Connecté au réseau %1</translation>
    </message>
    <message>
        <source>Connect to network %1 failed: %2</source>
        <translation>Échec de la connexion au réseau %1 : %2</translation>
    </message>
    <message>
        <source>Connect to system %1 failed, no door switch magnetic sensor connected</source>
        <translation>Échec de la connexion au système %1 : aucun contact magnétique de porte connecté</translation>
    </message>
    <message>
        <source>Password contains national/special characters which are unlikely to work as WiFi password : %1</source>
        <translation>Le mot de passe contient des caractères nationaux ou spéciaux qui risquent de ne pas fonctionner dans un mot de passe Wi-Fi : %1</translation>
    </message>
    <message>
        <source>Panel settings reset. The control board and the Wi-Fi settings were not reset. The program closes in 5 seconds.</source>
        <translation>Les réglages du panneau ont été réinitialisés. La carte de commande et les réglages Wi-Fi n’ont pas été réinitialisés. Le programme se ferme dans 5 secondes.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been repaired; settings on damaged lines may be lost. The damaged file was copied to %1</source>
        <translation>Le fichier des réglages était endommagé et a été réparé ; les réglages des lignes endommagées ont pu être perdus. Le fichier endommagé a été copié vers %1</translation>
    </message>
    <message>
        <source>The settings cannot be saved. Changes will not be kept when the program closes.</source>
        <translation>Les réglages ne peuvent pas être enregistrés. Les modifications ne seront pas conservées à la fermeture du programme.</translation>
    </message>
    <message>
        <source>Save the changes to favorite %1?</source>
        <translation>Enregistrer les modifications du favori %1 ?</translation>
    </message>
    <message>
        <source>System found on IP address %1</source>
        <translation>Système trouvé à l’adresse IP %1</translation>
    </message>
    <message>
        <source>Another system (%1) answered at the address of %2. The panel does not connect to it.</source>
        <translation>Un autre système (%1) a répondu à l’adresse du système %2. Le panneau ne s’y connecte pas.</translation>
    </message>
    <message>
        <source>Save the changes to calendar program %1?</source>
        <translation>Enregistrer les modifications du programme de calendrier %1 ?</translation>
    </message>
    <message>
        <source>The PIN lock is on. The panel unlocks with PIN %1. To set another PIN, use Change PIN.</source>
        <translation>Le verrouillage par code PIN est activé. Le panneau se déverrouille avec le code PIN %1. Pour définir un autre code PIN, utilisez l’option Changer le code PIN.</translation>
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
        <translation>é</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsFalseSymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolFalse</source>
        <translation>É</translation>
    </message>
    <message>
        <source>keyboardRow2Pos0CapsTrue_SymbolTrue_</source>
        <translation>€</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolFalse</source>
        <translation>è</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsFalseSymbolTrue_</source>
        <translation>$</translation>
    </message>
    <message>
        <source>keyboardRow2Pos1CapsTrue_SymbolFalse</source>
        <translation>È</translation>
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
        <translation>ù</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsFalseSymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolFalse</source>
        <translation>Ù</translation>
    </message>
    <message>
        <source>keyboardRow2Pos3CapsTrue_SymbolTrue_</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolFalse</source>
        <translation>ç</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsFalseSymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolFalse</source>
        <translation>Ç</translation>
    </message>
    <message>
        <source>keyboardRow2Pos4CapsTrue_SymbolTrue_</source>
        <translation>°</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolFalse</source>
        <translation>â</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsFalseSymbolTrue_</source>
        <translation>§</translation>
    </message>
    <message>
        <source>keyboardRow2Pos5CapsTrue_SymbolFalse</source>
        <translation>Â</translation>
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
        <translation>î</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsFalseSymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolFalse</source>
        <translation>Î</translation>
    </message>
    <message>
        <source>keyboardRow2Pos7CapsTrue_SymbolTrue_</source>
        <translation>|</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolFalse</source>
        <translation>ô</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsFalseSymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolFalse</source>
        <translation>Ô</translation>
    </message>
    <message>
        <source>keyboardRow2Pos8CapsTrue_SymbolTrue_</source>
        <translation>\</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolFalse</source>
        <translation>û</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsFalseSymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolFalse</source>
        <translation>Û</translation>
    </message>
    <message>
        <source>keyboardRow2Pos9CapsTrue_SymbolTrue_</source>
        <translation>^</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolFalse</source>
        <translation>ë</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsFalseSymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolFalse</source>
        <translation>Ë</translation>
    </message>
    <message>
        <source>keyboardRow2Pos10CapsTrue_SymbolTrue_</source>
        <translation>´</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolFalse</source>
        <translation>ï</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsFalseSymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolFalse</source>
        <translation>Ï</translation>
    </message>
    <message>
        <source>keyboardRow2Pos11CapsTrue_SymbolTrue_</source>
        <translation>¨</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolFalse</source>
        <translation>ü</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsFalseSymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolFalse</source>
        <translation>Ü</translation>
    </message>
    <message>
        <source>keyboardRow2Pos12CapsTrue_SymbolTrue_</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolFalse</source>
        <translation>œ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsFalseSymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolFalse</source>
        <translation>Œ</translation>
    </message>
    <message>
        <source>keyboardRow2Pos13CapsTrue_SymbolTrue_</source>
        <translation>¿</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsFalseSymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolFalse</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow2Pos14CapsTrue_SymbolTrue_</source>
        <translation>¡</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsFalseSymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolFalse</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow2Pos15CapsTrue_SymbolTrue_</source>
        <translation>«</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsFalseSymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolFalse</source>
        <translation>,</translation>
    </message>
    <message>
        <source>keyboardRow2Pos16CapsTrue_SymbolTrue_</source>
        <translation>»</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsFalseSymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolFalse</source>
        <translation>'</translation>
    </message>
    <message>
        <source>keyboardRow2Pos17CapsTrue_SymbolTrue_</source>
        <translation>¤</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsFalseSymbolFalse</source>
        <translation>a</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsFalseSymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolFalse</source>
        <translation>A</translation>
    </message>
    <message>
        <source>keyboardRow3Pos0CapsTrue_SymbolTrue_</source>
        <translation>-</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolFalse</source>
        <translation>z</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsFalseSymbolTrue_</source>
        <translation>/</translation>
    </message>
    <message>
        <source>keyboardRow3Pos1CapsTrue_SymbolFalse</source>
        <translation>Z</translation>
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
        <translation>q</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsFalseSymbolTrue_</source>
        <translation>.</translation>
    </message>
    <message>
        <source>keyboardRow4Pos0CapsTrue_SymbolFalse</source>
        <translation>Q</translation>
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
        <translation>w</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsFalseSymbolTrue_</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>keyboardRow5Pos0CapsTrue_SymbolFalse</source>
        <translation>W</translation>
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
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Début de semaine</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Effacer le calendrier</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeTimeViewManager</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format de l’heure</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>YY/MM/DD</source>
        <translation>AA/MM/JJ</translation>
    </message>
    <message>
        <source>DD/MM/YY</source>
        <translation>JJ/MM/AA</translation>
    </message>
    <message>
        <source>MM/DD/YY</source>
        <translation>MM/JJ/AA</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeWeekBeginViewManager</name>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
</context>
<context>
    <name>view::ConfigureDateTimeEraseCalendarViewManager</name>
    <message>
        <source>Erase calendar</source>
        <translation>Effacer le calendrier</translation>
    </message>
</context>
<context>
    <name>DateTimeMenuPage</name>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Weekstart</source>
        <translation>Début de semaine</translation>
    </message>
    <message>
        <source>Erase calendar</source>
        <translation>Effacer le calendrier</translation>
    </message>
</context>
<context>
    <name>SetTimePage</name>
    <message>
        <source>Set time</source>
        <translation>Régler l’heure</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>SetDatePage</name>
    <message>
        <source>Set date</source>
        <translation>Régler la date</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Choosing a region also sets its date format, time format, first day of the week and temperature unit.</source>
        <translation>Le choix d’une région définit aussi son format de date, son format d’heure, le premier jour de la semaine et l’unité de température.</translation>
    </message>
</context>
<context>
    <name>UnitsPage</name>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralDisplayViewManager</name>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>15 seconds</source>
        <translation>15 secondes</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source>4 minutes</source>
        <translation>4 minutes</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
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
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>IdentifyBoardsPage</name>
    <message>
        <source>Identify RCB</source>
        <translation>Identifier cartes relais</translation>
    </message>
    <message>
        <source>Press a button to sound the buzzer of that relay control board.</source>
        <translation>Appuyez sur un bouton pour faire sonner le buzzer de la carte relais correspondante.</translation>
    </message>
</context>
<context>
    <name>LicencePage</name>
    <message>
        <source>License Info</source>
        <translation>Informations de licence</translation>
    </message>
</context>
<context>
    <name>LinuxComponentsPage</name>
    <message>
        <source>Libraries of this PC</source>
        <translation>Bibliothèques de ce PC</translation>
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
        <translation>Bibliothèques de ce PC</translation>
    </message>
    <message>
        <source>%1 control panel is designed using open source software components, which are subject to the copyrights of their authors.</source>
        <translation>Le panneau de commande %1 a été conçu à l’aide de composants logiciels open source, soumis aux droits d’auteur de leurs auteurs respectifs.</translation>
    </message>
    <message>
        <source>Component and license info is provided in english only, many licenses provide translations on their respective web site. Select component in the list below to see respective info.</source>
        <translation>Les informations sur les composants et les licences ne sont disponibles qu’en anglais ; de nombreuses licences proposent des traductions sur leur site web. Sélectionnez un composant dans la liste ci-dessous pour afficher ses informations.</translation>
    </message>
    <message>
        <source>[The rest of the file is not shown.]</source>
        <translation>[La suite du fichier n’est pas affichée.]</translation>
    </message>
    <message>
        <source>This</source>
        <translation>actuel</translation>
    </message>
</context>
<context>
    <name>view::ConfigureGeneralAboutViewManager</name>
    <message>
        <source>License Info</source>
        <translation>Informations de licence</translation>
    </message>
    <message>
        <source>Identify RCB</source>
        <translation>Identifier cartes relais</translation>
    </message>
    <message>
        <source>PC Control Panel</source>
        <translation>Panneau de commande PC</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Version du logiciel</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instance</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panneau de commande</translation>
    </message>
    <message>
        <source>Facility Type</source>
        <translation>Type d’installation</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nœud</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Zerededid version</source>
        <translation>Version Zerededid</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Surveillée</translation>
    </message>
    <message>
        <source>Time Controlled</source>
        <translation>Programmée</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privée</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Publique</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source> Lite</source>
        <translation> Lite</translation>
    </message>
    <message>
        <source>Relay Control Board</source>
        <translation>Carte relais</translation>
    </message>
    <message>
        <source>Temperature and Humidity Sensor</source>
        <translation>Sonde de température et d’humidité</translation>
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
        <translation>Température de bain</translation>
    </message>
    <message>
        <source>Highest bath temperature a user can set</source>
        <translation>Température de bain maximale réglable par l’utilisateur</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Température de l’eau</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Durée de remplissage</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Surchauffe</translation>
    </message>
    <message>
        <source>Control board</source>
        <translation>Carte de commande</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
</context>
<context>
    <name>LimitEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>NotAllowedStartPage</name>
    <message>
        <source>Not allowed start</source>
        <translation>Démarrage interdit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Jusqu'à</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsViewManager</name>
    <message>
        <source>Bath temperature</source>
        <translation>Température de bain</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Surchauffe</translation>
    </message>
    <message>
        <source>Water temperature</source>
        <translation>Température de l’eau</translation>
    </message>
    <message>
        <source>Not allowed start</source>
        <translation>Démarrage interdit</translation>
    </message>
    <message>
        <source>Max water fill time</source>
        <translation>Durée de remplissage</translation>
    </message>
</context>
<context>
    <name>view::ConfigureLimitsNotAllowedStartViewManager</name>
    <message>
        <source>Activate time limit</source>
        <translation>Activer la plage horaire</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Jusqu'à</translation>
    </message>
</context>
<context>
    <name>AdvancedSettingsPage</name>
    <message>
        <source>Advanced settings</source>
        <translation>Réglages avancés</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>Cleanup note</source>
        <translation>Rappel de nettoyage</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalle</translation>
    </message>
</context>
<context>
    <name>DurationEditorPage</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>ExternalSwitchPage</name>
    <message>
        <source>External switch</source>
        <translation>Interrupteur externe</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Bath time</source>
        <translation>Durée de bain</translation>
    </message>
</context>
<context>
    <name>FanPage</name>
    <message>
        <source>Fan</source>
        <translation>Ventilateur</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Durée de marche</translation>
    </message>
</context>
<context>
    <name>StandbyPage</name>
    <message>
        <source>Temperature reduction</source>
        <translation>Baisse de température</translation>
    </message>
    <message>
        <source>Tank standby temperature</source>
        <translation>Temp. de veille du réservoir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>TankAutoEmptyingPage</name>
    <message>
        <source>Tank auto emptying</source>
        <translation>Vidange automatique</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalle</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsExtSwitchViewManager</name>
    <message>
        <source>Bath time</source>
        <translation>Durée de bain</translation>
    </message>
    <message>
        <source>Renew bath time</source>
        <translation>Relancer la durée de bain</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Marche/arrêt</translation>
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
        <translation>Durée de marche</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsStandbyViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Enable standby</source>
        <translation>Activer la veille</translation>
    </message>
</context>
<context>
    <name>view::ConfigureAdvancedSettingsViewManager</name>
    <message>
        <source>External switch</source>
        <translation>Interrupteur externe</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilateur</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemCleanupViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Tank Empty Notes</source>
        <translation>Alertes du réservoir</translation>
    </message>
    <message>
        <source>Cleanup&apos;s until now: %1</source>
        <translation>Nettoyages effectués : %1</translation>
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
        <translation>Activer</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalle</translation>
    </message>
</context>
<context>
    <name>AuxDescalingPage</name>
    <message>
        <source>Start time</source>
        <translation>Heure de démarrage</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosage</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répétition</translation>
    </message>
</context>
<context>
    <name>AuxFragrancePage</name>
    <message>
        <source>Pump</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>AuxRelayPage</name>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>AuxRelaysPage</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Parfum</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Détartrage</translation>
    </message>
</context>
<context>
    <name>BathPriorityPage</name>
    <message>
        <source>Bath type priority</source>
        <translation>Priorité du type de bain</translation>
    </message>
</context>
<context>
    <name>ErrorLogPage</name>
    <message>
        <source>Error log</source>
        <translation>Journal d’erreurs</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>FacilityTypePage</name>
    <message>
        <source>Facility type</source>
        <translation>Type d’installation</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>FilterPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
</context>
<context>
    <name>InitialSetup</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Setup after factory reset, step %1 of %2</source>
        <translation>Configuration après réinitialisation d’usine, étape %1 sur %2</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>IpConnectPage</name>
    <message>
        <source>IP detect</source>
        <translation>Recherche par IP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
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
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Sauna systems</source>
        <translation>Systèmes de sauna</translation>
    </message>
</context>
<context>
    <name>PauseTimerPage</name>
    <message>
        <source>Pause timer</source>
        <translation>Minuterie de pause</translation>
    </message>
</context>
<context>
    <name>PinEditorPage</name>
    <message>
        <source>Enter PIN</source>
        <translation>Saisir le code PIN</translation>
    </message>
    <message>
        <source>PIN of the sauna system</source>
        <translation>Code PIN du système de sauna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>SaunaDetailsPage</name>
    <message>
        <source>System details</source>
        <translation>Détails du système</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>SystemMenuPage</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxDescalingViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de démarrage</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosage</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Every 2nd week</source>
        <translation>Toutes les 2 semaines</translation>
    </message>
    <message>
        <source>Every 3rd week</source>
        <translation>Toutes les 3 semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Tous les mois</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemAuxFragranceViewManager</name>
    <message>
        <source>Pump</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pause</translation>
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
        <translation>Non utilisé</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Marche/arrêt</translation>
    </message>
    <message>
        <source>Fragrance</source>
        <translation>Parfum</translation>
    </message>
    <message>
        <source>Descaling</source>
        <translation>Détartrage</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemBathPriorityViewManager</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidité</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFacilityTypeViewManager</name>
    <message>
        <source>Private</source>
        <translation>Privée</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Publique</translation>
    </message>
    <message>
        <source>Time controlled</source>
        <translation>Programmée</translation>
    </message>
    <message>
        <source>Supervised</source>
        <translation>Surveillée</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFactoryResetViewManager</name>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemFilterViewManager</name>
    <message>
        <source>Filter temperature</source>
        <translation>Filtrer la température</translation>
    </message>
    <message>
        <source>Filter humidity</source>
        <translation>Filtrer l’humidité</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemHapticFeedbackViewManager</name>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemIrViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemNetworkViewManager</name>
    <message>
        <source>IP detect</source>
        <translation>Recherche par IP</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Last announcement</source>
        <translation>Dernière annonce</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation>Saisir le code PIN</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>The PIN must be 1 to 4 digits</source>
        <translation>Le code PIN doit comporter 1 à 4 chiffres</translation>
    </message>
    <message>
        <source>Invalid IP address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Port non valide</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemPauseTimerViewManager</name>
    <message>
        <source>Reset pause timer</source>
        <translation>Réinitialiser la minuterie</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemRelayViewManager</name>
    <message>
        <source>Regulator</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Marche/arrêt</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Divisé</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemStatusViewManager</name>
    <message>
        <source>PCB relays:</source>
        <translation>Relais de la carte :</translation>
    </message>
    <message>
        <source>Clean-ups: %1</source>
        <translation>Nettoyages : %1</translation>
    </message>
    <message>
        <source>Room temperature: %1%2</source>
        <translation>Température de la cabine : %1%2</translation>
    </message>
    <message>
        <source>Room humidity: %1%2</source>
        <translation>Humidité de la cabine : %1%2</translation>
    </message>
    <message>
        <source>Magnetic contact: %1</source>
        <translation>Contact magnétique : %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>secondaire</translation>
    </message>
    <message>
        <source>Water temperature%1: %2%3</source>
        <translation>Température de l’eau%1 : %2%3</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Water level</source>
        <translation>Niveau d’eau</translation>
    </message>
    <message>
        <source>Smart Start Heat Ratio: %1%2</source>
        <translation>Vitesse de chauffe Smart Start : %1%2</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Total runtime: %1%2</source>
        <translation>Durée totale de fonctionnement : %1%2</translation>
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
        <translation>Options</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Cleanup note</source>
        <translation>Rappel de nettoyage</translation>
    </message>
    <message>
        <source>Tank auto emptying</source>
        <translation>Vidange automatique</translation>
    </message>
    <message>
        <source>Bath type priority</source>
        <translation>Priorité du type de bain</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Minuterie de pause</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Journal d’erreurs</translation>
    </message>
    <message>
        <source>Facility type</source>
        <translation>Type d’installation</translation>
    </message>
</context>
<context>
    <name>view::ConfigureSystemWiFiViewManager</name>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>External Units</source>
        <translation>Appareils externes</translation>
    </message>
    <message>
        <source>WiFi Networks</source>
        <translation>Réseaux Wi-Fi</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>No IP address found</source>
        <translation>Aucune adresse IP trouvée</translation>
    </message>
    <message>
        <source>IP address: %1</source>
        <translation>Adresse IP : %1</translation>
    </message>
    <message>
        <source>IP addresses</source>
        <translation>Adresses IP</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identité</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
</TS>
