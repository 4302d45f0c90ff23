// Marks when a page first hands Web Audio a sound a listener hears: the
// first buffer source started with a sample above 0.01, in milliseconds
// from the navigation's start (window.firstSoundAt). Added to a page before
// its scripts run.
'use strict';

function watchFirstSound() {
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    if (window.firstSoundAt === undefined && this.buffer) {
      for (let channel = 0; channel < this.buffer.numberOfChannels; ++channel) {
        if (this.buffer.getChannelData(channel).some((sample) => Math.abs(sample) > 0.01)) {
          window.firstSoundAt = performance.now();
          break;
        }
      }
    }
    return start.apply(this, args);
  };
  // An <audio> element's sound starts with its playing event.
  document.addEventListener('playing', () => {
    if (window.firstSoundAt === undefined) window.firstSoundAt = performance.now();
  }, true);
}

module.exports = { watchFirstSound };
