.pragma library

// The one settings object of the engine: the SettingsBase instance that the program creates and
// fills with the system type, brand and application size. Screens read it through value().
var instance = null

function value(name, fallback) {
    if (instance === null || instance[name] === undefined || instance[name] === "")
        return fallback
    return instance[name]
}
