// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The galactic wheel of a reading as SVG. Where everything lies comes from the core's wheel geometry
// (report/wheel_geometry.*, through the binding); this file only draws it, in the report's dark look.
import type { Wheel } from './core-types';

const svgNs = 'http://www.w3.org/2000/svg';
// The rings as fractions of the wheel's radius, as the report draws them.
const R = 100;
const ring = {
  tropicalOuter: R, tropicalInner: R * 0.92, ticksInner: R * 0.84, signsInner: R * 0.58, readDots: R * 0.2,
  degreeNumbers: R * 0.92 - R * 0.085, signNames: R * 0.84 - R * 0.07, signPictures: R * 0.58 + R * 0.09,
  bodyMarksInner: R * 0.53, bodyLabels: R * 0.45, readSpokesBend: R * 0.24,
};

// Drawing angles run counter-clockwise from 3 o'clock; SVG's y runs down.
const on = (radius: number, angle: number) => {
  const a = (angle * Math.PI) / 180;
  return [radius * Math.cos(a), -radius * Math.sin(a)] as const;
};
const xy = (p: readonly [number, number]) => `${p[0].toFixed(2)} ${p[1].toFixed(2)}`;

function element<K extends keyof SVGElementTagNameMap>(name: K, attributes: Record<string, string | number>, text?: string) {
  const e = document.createElementNS(svgNs, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, String(value));
  if (text !== undefined) e.textContent = text;
  return e;
}

// The tropical signs of the report's wheel (report/reading_report.cpp), in the report's catalogue by these names.
export const tropicalSigns = ['Aries', 'Taurus', 'Gemini', 'Cancer', 'Leo', 'Virgo', 'Libra', 'Scorpio', 'Sagittarius',
  'Capricorn', 'Aquarius', 'Pisces'];

export function drawWheel(wheel: Wheel, pictureOf: (key: string) => string, pointName: (name: string) => string,
    tropicalName: (name: string) => string = (name) => name): SVGSVGElement {
  const svg = element('svg', { viewBox: '-102 -102 204 204', class: 'wheel-picture', role: 'img' });
  svg.append(element('circle', { r: ring.tropicalOuter, class: 'tropical' }));
  // The tropical ring, thin, so that the familiar sign can be found: each sign's 30 degrees from 0° Aries,
  // its name along the ring, upright on the lower half.
  const band = (ring.tropicalInner + ring.tropicalOuter) / 2;
  tropicalSigns.forEach((name, i) => {
    const edge = wheel.degreeAngles[i * 30], middle = wheel.degreeAngles[i * 30 + 15];
    const [x1, y1] = on(ring.tropicalInner, edge), [x2, y2] = on(ring.tropicalOuter, edge);
    svg.append(element('line', { x1, y1, x2, y2, class: 'tropical-edge' }));
    const [x, y] = on(band, middle);
    const upright = Math.sin((middle * Math.PI) / 180) < 0 ? 180 : 0;
    svg.append(element('text', { x: x.toFixed(2), y: y.toFixed(2), class: 'tropical-name',
      transform: `rotate(${(90 - middle + upright).toFixed(2)} ${x.toFixed(2)} ${y.toFixed(2)})` }, tropicalName(name)));
  });
  wheel.sectors.forEach((s, i) => {
    const span = s.end - s.start, a0 = s.startAngle, a1 = s.startAngle + span, large = span > 180 ? 1 : 0;
    const d = `M ${xy(on(ring.tropicalInner, a0))} A ${ring.tropicalInner} ${ring.tropicalInner} 0 ${large} 0 ${xy(on(ring.tropicalInner, a1))}`
      + ` L ${xy(on(ring.signsInner, a1))} A ${ring.signsInner} ${ring.signsInner} 0 ${large} 1 ${xy(on(ring.signsInner, a0))} Z`;
    svg.append(element('path', { d, class: i % 2 ? 'sign light' : 'sign dark' }));
    const [nx, ny] = on(ring.signNames, s.middleAngle);
    svg.append(element('text', { x: nx.toFixed(2), y: ny.toFixed(2), class: 'sign-label' }, s.sign));
    const [px, py] = on(ring.signPictures, s.middleAngle);
    svg.append(element('image', { href: pictureOf(s.picture), x: (px - 2.75).toFixed(2), y: (py - 3.25).toFixed(2), width: 5.5, height: 6.5 }));
  });
  wheel.degreeAngles.forEach((angle, d) => {
    if (d % 5 !== 0) return;
    const length = d % 30 === 0 ? R * 0.06 : R * 0.035;
    svg.append(element('line', { x1: on(ring.tropicalInner, angle)[0], y1: on(ring.tropicalInner, angle)[1],
      x2: on(ring.tropicalInner - length, angle)[0], y2: on(ring.tropicalInner - length, angle)[1], class: 'tick' }));
    if (d % 30 === 0 && d !== 0) {
      const [x, y] = on(ring.degreeNumbers, angle + 2.2);
      svg.append(element('text', { x: x.toFixed(2), y: y.toFixed(2), class: 'degree-number' }, String(d)));
    }
  });
  svg.append(element('circle', { r: ring.signsInner, class: 'centre' }));
  for (const p of wheel.points) {
    const [x1, y1] = on(ring.signsInner, p.angle), [x2, y2] = on(ring.bodyMarksInner, p.angle);
    svg.append(element('line', { x1, y1, x2, y2, class: 'point-mark' }));
    const [lx, ly] = on(ring.bodyLabels, p.labelAngle);
    const label = element('text', { x: lx.toFixed(2), y: ly.toFixed(2), class: 'point-label' });
    label.append(element('tspan', { x: lx.toFixed(2), dy: '-0.3em' }, pointName(p.name)), element('tspan', { x: lx.toFixed(2), dy: '1.1em' }, p.text));
    svg.append(label);
  }
  wheel.reads.forEach((r, i) => {
    const [bx, by] = on(ring.readSpokesBend, r.angle), [sx, sy] = on(ring.signsInner, r.angle), [dx, dy] = on(ring.readDots, r.labelAngle);
    svg.append(element('polyline', { points: `${sx},${sy} ${bx},${by} ${dx},${dy}`, class: 'read-spoke' }));
    svg.append(element('circle', { cx: dx, cy: dy, r: R * 0.032, class: 'read-dot' }));
    svg.append(element('text', { x: dx.toFixed(2), y: dy.toFixed(2), class: 'read-number' }, String(i + 1)));
  });
  return svg;
}
