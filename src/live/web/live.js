// Brivanta live pages: one event stream, reconnected by the browser itself; nothing from
// outside this program is loaded, so the pages work in a hall without internet.
"use strict";
const Brivanta = (() => {
  const params = new URLSearchParams(location.search);
  function lista(nome) {
    const v = params.get(nome);
    return v ? v.split(",").map((s) => s.trim().toLowerCase()).filter(Boolean) : [];
  }
  function connetti(quandoStato, quandoLinea) {
    if (window.BrivantaStato) {
      quandoLinea(true);
      quandoStato(window.BrivantaStato);
    }
    // The first drawing appears at once; later changes fade.
    setTimeout(() => document.body.classList.remove("subito"), 800);
    let fonte = null;
    let attesa = null;
    const apri = () => {
      fonte = new EventSource("/events");
      fonte.addEventListener("state", (e) => {
        quandoLinea(true);
        try {
          quandoStato(JSON.parse(e.data));
        } catch (err) {
          // A damaged message is skipped; the next one carries the whole state again.
        }
      });
      fonte.onerror = () => {
        quandoLinea(false);
        // Browsers retry by themselves; a closed stream (program restarted) is reopened here.
        if (fonte.readyState === EventSource.CLOSED && attesa === null) {
          attesa = setTimeout(() => {
            attesa = null;
            apri();
          }, 2000);
        }
      };
    };
    apri();
  }
  // Shows and hides an element by a class, so CSS can fade it.
  function mostra(el, si) {
    if (el) el.classList.toggle("visibile", !!si);
  }
  function testo(el, t) {
    if (el && el.textContent !== String(t ?? "")) el.textContent = t ?? "";
  }
  function immagine(el, url) {
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
  return { params, lista, connetti, mostra, testo, immagine };
})();
