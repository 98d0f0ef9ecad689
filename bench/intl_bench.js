#!/usr/bin/env node
// The peer of `orvc convert --to hebrew|persian|islamic -` in batch_bench.py:
// Node's Intl.DateTimeFormat in the calendar named on the command line
// formats every date of a file of Gregorian dates (YYYY-MM-DD, one a line),
// and the dates it makes are written to standard output in one piece.
//    node bench/intl_bench.js CALENDAR FILE     (CALENDAR: hebrew, persian, islamic-civil...)
"use strict";
const fs = require("fs");

const [calendar, path] = process.argv.slice(2);
if (!calendar || !path) {
  process.stderr.write("usage: node intl_bench.js CALENDAR FILE\n");
  process.exit(2);
}
const format = new Intl.DateTimeFormat("en", {
  calendar,
  timeZone: "UTC",
  year: "numeric",
  month: "numeric",
  day: "numeric",
});
if (format.resolvedOptions().calendar !== calendar) {
  process.stderr.write(`this Node does not know the ${calendar} calendar\n`);
  process.exit(1);
}
const out = [];
for (const line of fs.readFileSync(path, "latin1").split("\n")) {
  if (line === "") continue;
  const year = +line.slice(0, 4);
  const month = +line.slice(5, 7);
  const day = +line.slice(8, 10);
  out.push(format.format(Date.UTC(year, month - 1, day)));
}
out.push("");
process.stdout.write(out.join("\n"));
