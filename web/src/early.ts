// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's first script, written into the HTML ahead of the form (vite.config.ts). The form arrives
// filled in English; this makes it usable the moment it is parsed, before the main script and the core:
// - a button pressed, a form sent or Enter pressed in a field is held, and the buttons are pressed again
//   once the core is there (src/main.ts);
// - the long lists arrive with their chosen and their widest entry only (the rest waits as text in
//   #list-entries), so that the first paint does not lay out some 600 entries; a list gets all of them
//   when it is first touched, and every list once the main script has been asked for;
// - a reader who chose another language is not shown the English form first.
// The main script is started once the form is painted, so that its evaluation does not hold that paint.
// No import or export: this is a classic script.

interface QuorvaneEarly {
  // Every list with all its entries, the entry shown kept.
  fillLists(): void;
  // Stops holding presses; the buttons pressed meanwhile, in order.
  release(): HTMLElement[];
}
interface Window {
  quorvaneEarly?: QuorvaneEarly;
}

(() => {
  const script = document.currentScript as HTMLScriptElement | null;
  // The build writes in the name from src/storage-keys.ts (vite.config.ts).
  const languageKey: string = __QUORVANE_LANGUAGE_KEY__;
  const pressed: HTMLElement[] = [];
  let holding = true;
  let entries: Record<string, Array<[string, string]>> | undefined;

  function hold(event: Event) {
    if (!holding) return;
    const button = event.target instanceof Element ? event.target.closest('button') : null;
    const enterInField = event instanceof KeyboardEvent && event.key === 'Enter' && event.target instanceof HTMLInputElement;
    if (!button && event.type !== 'submit' && !enterInField) return;
    event.preventDefault();
    event.stopImmediatePropagation();
    // Enter in a field never sends the form.
    if (button && !pressed.includes(button)) pressed.push(button);
  }

  function fillList(list: HTMLSelectElement) {
    if (!list.hasAttribute('data-entries')) return;
    list.removeAttribute('data-entries');
    if (!entries) {
      const store = document.getElementById('list-entries');
      entries = store ? (JSON.parse(store.textContent ?? '{}') as Record<string, Array<[string, string]>>) : {};
    }
    const items = entries[list.id];
    if (!items) return;
    const shown = list.value;
    list.replaceChildren(...items.map(([value, text]) => new Option(text, value)));
    list.value = shown;
  }
  const fillLists = () => {
    for (const list of document.querySelectorAll<HTMLSelectElement>('select[data-entries]')) fillList(list);
  };
  // Before the list reacts to the key, the tap or the click, and before a screen reader reads it.
  function touched(event: Event) {
    if (event.target instanceof HTMLSelectElement) fillList(event.target);
  }

  // A kept language the page offers; the language list arrives with every language it offers.
  let kept: string | null = null;
  try {
    kept = localStorage.getItem(languageKey);
  } catch {
    // storage switched off: the browser's languages decide, once the core is there
  }
  const offered = () => Array.from(document.querySelectorAll<HTMLOptionElement>('#language option'), (o) => o.value);
  // Hidden before any of the form is parsed; shown at once below if that language is not offered.
  const pending = kept !== null && kept !== 'en';
  if (pending) document.documentElement.classList.add('language-pending');

  const held = ['click', 'submit', 'keydown'];
  const touches = ['focusin', 'pointerdown', 'mousedown', 'touchstart', 'keydown'];
  for (const type of held) document.addEventListener(type, hold, { capture: true });
  for (const type of touches) document.addEventListener(type, touched, { capture: true, passive: true });

  window.quorvaneEarly = {
    fillLists,
    release() {
      holding = false;
      for (const type of held) document.removeEventListener(type, hold, { capture: true });
      for (const type of touches) document.removeEventListener(type, touched, { capture: true });
      return pressed.splice(0);
    },
  };

  let started = false;
  function startMain() {
    if (started) return;
    started = true;
    const main = script?.dataset.main;
    if (main) {
      const element = document.createElement('script');
      element.type = 'module';
      element.src = main;
      document.head.append(element);
    }
    setTimeout(fillLists, 0);
  }

  // The form is parsed: usable from here on.
  function parsed() {
    const prerendered = (document.getElementById('cmbTimeZone') as HTMLSelectElement | null)?.options.length;
    // The form waits hidden until it is in the kept language (src/main.ts shows it).
    const waits = pending && !!prerendered && offered().includes(kept!);
    if (!waits) document.documentElement.classList.remove('language-pending');
    if (prerendered && !waits) performance.mark('quorvane-form-ready');
    // The main script once the form has been painted; a page opened behind another tab is not painted.
    try {
      new PerformanceObserver((list, observer) => {
        if (!list.getEntriesByName('first-contentful-paint').length) return;
        observer.disconnect();
        setTimeout(startMain, 0);
      }).observe({ type: 'paint', buffered: true });
    } catch {
      // no paint timing in this browser: the timer below
    }
    setTimeout(startMain, waits ? 0 : 300);
  }
  if (document.readyState === 'loading') document.addEventListener('readystatechange', parsed, { once: true });
  else parsed();
})();
