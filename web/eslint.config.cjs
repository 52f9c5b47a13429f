// ESLint's settings for the page's JavaScript (web/*.js and the site's service worker),
// run by ./test:
//   NODE_PATH=build/tools/node_modules eslint -c web/eslint.config.cjs web/*.js \
//       web/site/*.js.in
// The page's scripts run in one script element with the module: page.js, menubar.js,
// lists.js and editor.js before it (--pre-js), library.js inside it (--js-library). What
// each uses of the others or of the module it names in a /* global */ comment at its top.
"use strict";
const js = require("@eslint/js");
const globals = require("globals");

module.exports = [
  js.configs.recommended,
  {
    files: ["**/*.js", "**/*.js.in"],
    languageOptions: {
      ecmaVersion: 2020,
      sourceType: "script",
      globals: { ...globals.browser },
    },
    rules: {
      // A function at the top of one script is called from another, or from the module.
      "no-unused-vars": ["error", { vars: "local", args: "none" }],
      eqeqeq: "error",
      "no-var": "off",
    },
  },
  {
    // The site's service worker, a template whose @VERSION@ marks lie inside strings.
    files: ["**/service-worker.js.in"],
    languageOptions: { globals: { ...globals.serviceworker } },
  },
  {
    // Emscripten's library: its functions are copied into the module, whose runtime
    // (mergeInto, the heap views, UTF8ToString) and $-dependencies they use.
    files: ["**/library.js", "**/numbers.js"],
    languageOptions: {
      globals: { mergeInto: "readonly", LibraryManager: "readonly" },
    },
  },
];
