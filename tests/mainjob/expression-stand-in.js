// A small stand-in for the host's expression language, enough for the
// README's recipes: the names they use, fed from an export of a recorded
// scene (the JSON that `dorvane-host --json` writes).
//
//   node expression-stand-in.js EXPORT.json RECIPE.js TIMES.json
//
// runs the recipe once for each composition time (seconds) in TIMES.json,
// as the host runs an expression once a frame, and prints the values it
// gives as one JSON list. A recipe that does not parse, or names what is
// not there, stops the program with the reason and exit code 1.
'use strict';
const fs = require('fs');
const vm = require('vm');

const [exportPath, recipePath, timesPath] = process.argv.slice(2);
const recording = JSON.parse(fs.readFileSync(exportPath, 'utf8'));
const recipe = fs.readFileSync(recipePath, 'utf8');
const times = JSON.parse(fs.readFileSync(timesPath, 'utf8'));

// The layer the README's recipes read from.
const kLayerName = 'Solid 1';
// The one parameter of each control kind, by the name an expression uses.
const kParameterNames = {'ADBE Slider Control': 'Slider', 'ADBE Point3D Control': '3D Point'};

function valueOf(control, raw) {
  if (raw === null || typeof raw === 'number') return raw;
  return [raw.x, raw.y, raw.z];
}

// A control's value at a time: its one value, or its keys joined by
// straight lines, held before the first and after the last.
function valueAt(control, seconds) {
  const keys = control.keys;
  if (keys.length === 0) return valueOf(control, control.value);
  if (seconds <= keys[0].time.seconds) return valueOf(control, keys[0].value);
  for (let i = 1; i < keys.length; ++i) {
    const before = keys[i - 1], after = keys[i];
    if (seconds === after.time.seconds) return valueOf(control, after.value);
    if (seconds < after.time.seconds) {
      const t = (seconds - before.time.seconds) / (after.time.seconds - before.time.seconds);
      const a = valueOf(control, before.value), b = valueOf(control, after.value);
      return typeof a === 'number' ? a + (b - a) * t : a.map((v, k) => v + (b[k] - v) * t);
    }
  }
  return valueOf(control, keys[keys.length - 1].value);
}

function effectsAt(seconds) {
  return (effectName) => {
    const control = recording.controls.find((c) => c.name === effectName);
    if (control === undefined) throw new Error(`the layer has no effect named "${effectName}"`);
    return (parameterName) => {
      if (parameterName !== kParameterNames[control.kind]) {
        throw new Error(`${effectName} (${control.kind}) has no parameter "${parameterName}"`);
      }
      return valueAt(control, seconds);
    };
  };
}

function vector(a, b, name) {
  if (!Array.isArray(a) || !Array.isArray(b) || a.length !== b.length) throw new Error(`${name} of ${a} and ${b}`);
}

function globalsAt(seconds) {
  return {
    time: seconds,
    Math,
    thisComp: {
      width: recording.composition.width,
      height: recording.composition.height,
      layer: (name) => {
        if (name !== kLayerName) throw new Error(`the composition has no layer named "${name}"`);
        return {effect: effectsAt(seconds)};
      },
    },
    add: (a, b) => {
      if (typeof a === 'number' && typeof b === 'number') return a + b;
      vector(a, b, 'add');
      return a.map((v, k) => v + b[k]);
    },
    mul: (a, s) => {
      if (typeof a === 'number') return a * s;
      if (typeof s !== 'number') throw new Error(`mul of ${a} by ${s}`);
      return a.map((v) => v * s);
    },
    radiansToDegrees: (radians) => radians * 180 / Math.PI,
  };
}

try {
  const script = new vm.Script(recipe, {filename: 'recipe'});
  // The value of an expression is the value of its last statement, as
  // running a script in a context gives it.
  const values = times.map((seconds) => script.runInContext(vm.createContext(globalsAt(seconds))));
  process.stdout.write(JSON.stringify(values) + '\n');
} catch (error) {
  process.stderr.write(`${error.name}: ${error.message}\n`);
  process.exit(1);
}
