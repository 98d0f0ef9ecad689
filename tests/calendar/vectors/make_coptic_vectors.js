#!/usr/bin/env node
/* Writes the first day and the length of every Coptic and Ethiopian year from
 * 1 to 3000, as Node's Intl (ICU) counts them, into coptic.tsv and
 * ethiopian.tsv beside this script.
 *
 * Reference: Intl.DateTimeFormat with calendar 'coptic' and 'ethiopic'
 * (formatToParts: era, year, month, day; timeZone UTC). Every day is walked,
 * one at a time, from JDN 1,723,000 (some three years before 1 Meskerem 1)
 * until both calendars have passed the first day of year 3001; a year starts
 * on the day whose year differs from the day before's, and it must be month 1
 * day 1 there.
 *
 * The reference's own rule, as found with ICU 78.2 (Node 20): both calendars
 * have twelve months of 30 days and a thirteenth of 5 days, 6 in a year Y with
 * Y mod 4 = 3 (checked for every year written, and the script stops if not).
 * 1 Thout 1 Coptic is JDN 1,825,030 (29 August 284 Julian) and 1 Meskerem 1
 * Ethiopian is JDN 1,724,221 (29 August 8 Julian), as expected.
 *
 * Eras: ICU's 'ethiopic' names days before 1 Meskerem 1 in the Amete Alem era
 * (era "AA", the day before 1 Meskerem 1 AM is 13/5/5500 AA) and later days in
 * Amete Mihret (era "AM"); years here are always Amete Mihret, AA years being
 * taken down by 5500 (the walk stops with an error on any other era). ICU's
 * 'coptic' names days before 1 Thout 1 in an era whose English name is empty
 * and counts its years backwards (the day before 1 Thout 1 is 13/5/1 of it);
 * those are read as year 1 - Y, and only years from 1 on are written.
 *
 * Records: year, jdn_first_day, days. The JDN of a day at 00:00 UTC is
 * floor(ms / 86400000) + 2440588. Rerun with `node make_coptic_vectors.js`
 * from anywhere; it prints the spot checks and exits non-zero if one fails.
 */
'use strict';
const fs = require('fs');
const path = require('path');

const FIRST_YEAR = 1;
const LAST_YEAR = 3000;
const WALK_FROM = 1723000;
const UNIX_EPOCH_JDN = 2440588;
const DAY_MS = 86400000;

function formatter(calendar) {
  return new Intl.DateTimeFormat('en', {
    calendar, era: 'short', year: 'numeric', month: 'numeric', day: 'numeric',
    timeZone: 'UTC',
  });
}

function dateOfJdn(jdn) { return new Date((jdn - UNIX_EPOCH_JDN) * DAY_MS); }
function jdnOfDate(d) { return Math.floor(d.getTime() / DAY_MS) + UNIX_EPOCH_JDN; }

// Built with setUTCFullYear so that years below 100 are not taken as 19xx.
function gregorianJdn(y, m, d) {
  const date = new Date(0);
  date.setUTCFullYear(y, m - 1, d);
  date.setUTCHours(0, 0, 0, 0);
  return jdnOfDate(date);
}

function parts(fmt, jdn) {
  const out = { era: '' };
  for (const p of fmt.formatToParts(dateOfJdn(jdn))) {
    if (p.type !== 'literal') out[p.type] = p.value;
  }
  return out;
}

// Signed year in the era the vectors use, with month and day.
function copticDay(fmt, jdn) {
  const p = parts(fmt, jdn);
  const y = Number(p.year);
  let year;
  if (p.era === 'AM') year = y;
  else if (p.era === '') year = 1 - y;
  else throw new Error(`coptic: unexpected era "${p.era}" at JDN ${jdn}`);
  return { year, month: Number(p.month), day: Number(p.day) };
}

function ethiopianDay(fmt, jdn) {
  const p = parts(fmt, jdn);
  const y = Number(p.year);
  let year;
  if (p.era === 'AM') year = y;
  else if (p.era === 'AA') year = y - 5500;
  else throw new Error(`ethiopic: unexpected era "${p.era}" at JDN ${jdn}`);
  return { year, month: Number(p.month), day: Number(p.day) };
}

function yearStarts(read) {
  const starts = new Map();
  let prev = read(WALK_FROM);
  if (prev.year >= FIRST_YEAR) throw new Error('walk starts too late');
  for (let jdn = WALK_FROM + 1; !starts.has(LAST_YEAR + 1); jdn++) {
    const cur = read(jdn);
    if (cur.year !== prev.year) {
      if (cur.year !== prev.year + 1 || cur.month !== 1 || cur.day !== 1) {
        throw new Error(`year ${prev.year} -> ${JSON.stringify(cur)} at JDN ${jdn}`);
      }
      starts.set(cur.year, jdn);
    }
    prev = cur;
  }
  return starts;
}

function write(name, starts) {
  const lines = ['year\tjdn_first_day\tdays'];
  for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
    const days = starts.get(y + 1) - starts.get(y);
    const expected = y % 4 === 3 ? 366 : 365;
    if (days !== expected) throw new Error(`${name}: year ${y} has ${days} days`);
    lines.push(`${y}\t${starts.get(y)}\t${days}`);
  }
  fs.writeFileSync(path.join(__dirname, name), lines.join('\n') + '\n');
}

let failures = 0;
function check(what, got, want) {
  const ok = got === want;
  if (!ok) failures++;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}: ${got}${ok ? '' : ` (want ${want})`}`);
}

const coptic = formatter('coptic');
const ethiopic = formatter('ethiopic');
const copticStarts = yearStarts(jdn => copticDay(coptic, jdn));
const ethiopianStarts = yearStarts(jdn => ethiopianDay(ethiopic, jdn));

console.log(`ICU ${process.versions.icu}, Node ${process.version}`);
check('JDN of 1 Thout 1 Coptic', copticStarts.get(1), 1825030);
check('JDN of 1 Meskerem 1 Ethiopian', ethiopianStarts.get(1), 1724221);
check('JDN of 1 Thout 1741 Coptic', copticStarts.get(1741), 2460565);
check('1 Thout 1741 Coptic is 11 September 2024', copticStarts.get(1741), gregorianJdn(2024, 9, 11));
const sixth = copticDay(coptic, gregorianJdn(2023, 9, 11));
check('11 September 2023 in Coptic', `${sixth.year}-${sixth.month}-${sixth.day}`, '1739-13-6');
check('days in Coptic 1739', copticStarts.get(1740) - copticStarts.get(1739), 366);
const eraEdge = parts(ethiopic, 1724220);
check('ethiopic the day before 1 Meskerem 1', `${eraEdge.year}-${eraEdge.month}-${eraEdge.day} ${eraEdge.era}`, '5500-13-5 AA');
if (failures) {
  console.error(`${failures} spot check(s) failed; nothing written`);
  process.exit(1);
}
write('coptic.tsv', copticStarts);
write('ethiopian.tsv', ethiopianStarts);
console.log('wrote coptic.tsv and ethiopian.tsv');
