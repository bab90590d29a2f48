// Brivanta live pages: one event stream, reconnected by the browser itself; nothing from
// outside this program is loaded, so the pages work in a hall without internet.
"use strict";
const Brivanta = (() => {
  const params = new URLSearchParams(location.search);
  function list(name) {
    const v = params.get(name);
    return v ? v.split(",").map((s) => s.trim().toLowerCase()).filter(Boolean) : [];
  }
  function connect(onState, onLine) {
    if (window.BrivantaState) {
      onLine(true);
      onState(window.BrivantaState);
    }
    // The first drawing appears at once; later changes fade.
    setTimeout(() => document.body.classList.remove("subito"), 800);
    let source = null;
    let retry = null;
    const open = () => {
      source = new EventSource("/events");
      source.addEventListener("state", (e) => {
        onLine(true);
        try {
          const s = JSON.parse(e.data);
          // A venue view carries every court's state on one stream: this page shows one court.
          if (window.BrivantaCourt && s.court !== window.BrivantaCourt) return;
          onState(s);
        } catch (err) {
          // A damaged message is skipped; the next one carries the whole state again.
        }
      });
      source.onerror = () => {
        onLine(false);
        // Browsers retry by themselves; a closed stream (program restarted) is reopened here.
        if (source.readyState === EventSource.CLOSED && retry === null) {
          retry = setTimeout(() => {
            retry = null;
            open();
          }, 2000);
        }
      };
    };
    open();
  }
  // Shows and hides an element by a class, so CSS can fade it.
  function show(el, si) {
    if (el) el.classList.toggle("visibile", !!si);
  }
  function text(el, t) {
    if (el && el.textContent !== String(t ?? "")) el.textContent = t ?? "";
  }
  function image(el, url) {
    if (!el) return;
    if (!url) {
      el.removeAttribute("src");
      el.style.visibility = "hidden";
      return;
    }
    if (el.getAttribute("src") !== url) {
      el.onerror = () => (el.style.visibility = "hidden");
      el.onload = () => (el.style.visibility = "visible");
      el.setAttribute("src", url);
    }
  }
  return { params, list, connect, show, text, image };
})();
